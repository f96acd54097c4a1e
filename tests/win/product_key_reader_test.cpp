#include "win/product_key_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "core/product_key.h"
#include "tests/win/test_support.h"

namespace {

// What the reader did through the seam. Each stand-in records its arguments
// and then either fails as told or hands the call to the real registry.
struct Recorder {
  LONG failOpenWith = ERROR_SUCCESS;
  LONG failQueryWith = ERROR_SUCCESS;

  int opens = 0;
  HKEY openRoot = nullptr;
  std::wstring openPath;
  DWORD openOptions = 99;
  REGSAM openAccess = 0;
  HKEY opened = nullptr;

  int queries = 0;
  HKEY queryKey = nullptr;
  std::wstring queryName;
  bool reservedWasNull = false;
  bool hadTypeAndBuffer = false;
  DWORD sizeOnEntry = 0;
  bool bufferWasZero = false;

  std::map<HKEY, int> closes;
};
Recorder* g_recorder;

LONG WINAPI RecordOpen(HKEY root, LPCWSTR path, DWORD options, REGSAM access, PHKEY result) {
  Recorder& r = *g_recorder;
  ++r.opens;
  r.openRoot = root;
  r.openPath = path;
  r.openOptions = options;
  r.openAccess = access;
  if (r.failOpenWith != ERROR_SUCCESS) return r.failOpenWith;
  const LONG status = RegOpenKeyExW(root, path, options, access, result);
  if (status == ERROR_SUCCESS) r.opened = *result;
  return status;
}

LONG WINAPI RecordQuery(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  Recorder& r = *g_recorder;
  ++r.queries;
  r.queryKey = key;
  r.queryName = name;
  r.reservedWasNull = reserved == nullptr;
  r.hadTypeAndBuffer = type != nullptr && data != nullptr && size != nullptr;
  if (!r.hadTypeAndBuffer) return ERROR_INVALID_PARAMETER;
  r.sizeOnEntry = *size;
  r.bufferWasZero = true;
  for (DWORD i = 0; i < *size; ++i) r.bufferWasZero = r.bufferWasZero && data[i] == 0;
  if (r.failQueryWith != ERROR_SUCCESS) return r.failQueryWith;
  return RegQueryValueExW(key, name, reserved, type, data, size);
}

LONG WINAPI RecordClose(HKEY key) {
  ++g_recorder->closes[key];
  return RegCloseKey(key);
}

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() { g_recorder = &recorder_; }
  ~ReaderTest() override { g_recorder = nullptr; }

  std::wstring Read() { return ToStd(ReadProductKeyText({RecordOpen, RecordQuery, RecordClose})); }

  // The arguments every read passes, and the one rule for the handle: what
  // was opened is closed exactly once, and nothing else is.
  void ExpectRegistryCalls(bool expectQuery) {
    EXPECT_EQ(recorder_.opens, 1);
    EXPECT_EQ(recorder_.openRoot, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(recorder_.openPath, kVersionKey);
    EXPECT_EQ(recorder_.openOptions, 0u);
    EXPECT_EQ(recorder_.openAccess, static_cast<REGSAM>(KEY_READ));
    if (!expectQuery) {
      EXPECT_EQ(recorder_.queries, 0);
      EXPECT_TRUE(recorder_.closes.empty());
      return;
    }
    EXPECT_EQ(recorder_.queries, 1);
    EXPECT_EQ(recorder_.queryKey, recorder_.opened);
    EXPECT_EQ(recorder_.queryName, L"DigitalProductId");
    EXPECT_TRUE(recorder_.reservedWasNull);
    EXPECT_TRUE(recorder_.hadTypeAndBuffer);
    EXPECT_EQ(recorder_.sizeOnEntry, 2048u);
    EXPECT_TRUE(recorder_.bufferWasZero);
    ASSERT_EQ(recorder_.closes.size(), 1u);
    EXPECT_EQ(recorder_.closes.begin()->first, recorder_.opened);
    EXPECT_EQ(recorder_.closes.begin()->second, 1);
  }

  Recorder recorder_;
  ScopedProductId productId_;
};

struct ValueCase {
  const char* name;
  DWORD type;
  std::size_t length;
  const wchar_t* expected;
};

// Values of many lengths and a type other than binary, written to the
// prefix's registry: the example's key bytes at their offset, filler around.
TEST_F(ReaderTest, DecodesWhateverTheRegistryHolds) {
  // A value cut short inside the key: the bytes it does not reach are zero.
  std::uint8_t truncated[kKeyByteCount] = {};
  std::memcpy(truncated, kExampleKey, 8);
  const WideString truncatedText = DecodeProductKey(truncated);

  const ValueCase cases[] = {
      {"typical length", REG_BINARY, 164, kExampleText},
      {"empty", REG_BINARY, 0, L"BBBBB-BBBBB-BBBBB-BBBBB-BBBBB"},
      {"ends before the key", REG_BINARY, 52, L"BBBBB-BBBBB-BBBBB-BBBBB-BBBBB"},
      {"ends inside the key", REG_BINARY, 60, truncatedText.Text()},
      {"ends with the key", REG_BINARY, 67, kExampleText},
      {"exactly the buffer", REG_BINARY, 2048, kExampleText},
      {"one byte too long", REG_BINARY, 2049, kFailureText},
      {"not binary", REG_SZ, 164, kExampleText},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder_ = Recorder();
    productId_.Set(c.type, ProductIdBytes(c.length, kExampleKey));
    EXPECT_EQ(Read(), c.expected);
    ExpectRegistryCalls(true);
  }
}

TEST_F(ReaderTest, MissingValueGivesTheFailureText) {
  productId_.Delete();
  EXPECT_EQ(Read(), kFailureText);
  ExpectRegistryCalls(true);
}

TEST_F(ReaderTest, KeyThatWillNotOpenGivesTheFailureText) {
  for (const LONG status : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED}) {
    SCOPED_TRACE(status);
    recorder_ = Recorder();
    recorder_.failOpenWith = status;
    EXPECT_EQ(Read(), kFailureText);
    ExpectRegistryCalls(false);
  }
}

TEST_F(ReaderTest, UnreadableValueGivesTheFailureTextAndClosesTheKey) {
  productId_.Set(REG_BINARY, ProductIdBytes(164, kExampleKey));
  for (const LONG status : {ERROR_ACCESS_DENIED, ERROR_MORE_DATA, ERROR_INVALID_DATA}) {
    SCOPED_TRACE(status);
    recorder_ = Recorder();
    recorder_.failQueryWith = status;
    EXPECT_EQ(Read(), kFailureText);
    ExpectRegistryCalls(true);
  }
}

// The program's own wiring to ADVAPI32, against the prefix's registry.
TEST_F(ReaderTest, ProgramReadsTheLiveRegistry) {
  productId_.Set(REG_BINARY, ProductIdBytes(164, kExampleKey));
  EXPECT_EQ(ToStd(ReadProductKeyText()), kExampleText);
  productId_.Delete();
  EXPECT_EQ(ToStd(ReadProductKeyText()), kFailureText);
}

}  // namespace
