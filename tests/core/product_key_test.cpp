#include "core/product_key.h"
#include "tests/core/reference_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>

namespace {

using KeyBytes = std::array<std::uint8_t, kKeyByteCount>;

Uint128 ToNumber(const KeyBytes& bytes) { return KeyNumber(bytes.data()); }
std::wstring ReferenceKey(const KeyBytes& bytes) { return ::ReferenceKey(bytes.data()); }

std::wstring Decode(KeyBytes bytes) {
  std::uint8_t work[kKeyByteCount];
  std::memcpy(work, bytes.data(), kKeyByteCount);
  const WideString key = DecodeProductKey(work);
  return std::wstring(key.Text(), key.Length());
}

KeyBytes LowByte(std::uint8_t value) {
  KeyBytes bytes{};
  bytes[0] = value;
  return bytes;
}

struct Case {
  const char* name;
  KeyBytes bytes;
  const wchar_t* expected;  // written out where it can be worked by hand
};

TEST(DecodeProductKey, MatchesTheIntegerReference) {
  KeyBytes allOnes;
  allOnes.fill(0xFF);
  const Case cases[] = {
      {"zero", {}, L"BBBBB-BBBBB-BBBBB-BBBBB-BBBBB"},
      {"lone low digit 0", LowByte(0), L"BBBBB-BBBBB-BBBBB-BBBBB-BBBBB"},
      {"lone low digit 5", LowByte(5), L"BBBBB-BBBBB-BBBBB-BBBBB-BBBBH"},
      {"lone low digit 23", LowByte(23), L"BBBBB-BBBBB-BBBBB-BBBBB-BBBB9"},
      {"lone low byte 24", LowByte(24), L"BBBBB-BBBBB-BBBBB-BBBBB-BBBCB"},
      // A worked example from the product-activation literature.
      {"published example",
       {0x6f, 0xfa, 0x95, 0x45, 0xfc, 0x75, 0xb5, 0x52, 0xbb, 0xef, 0xb1, 0x17, 0xda, 0xcd, 0x00},
       L"FFFFF-GGGGG-HHHHH-JJJJJ-KKKKK"},
      // Above 24^25: only the 25 low digits can be shown.
      {"all 0xFF", allOnes, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring key = Decode(c.bytes);
    EXPECT_EQ(key, ReferenceKey(c.bytes));
    if (c.expected != nullptr) {
      EXPECT_EQ(key, c.expected);
    }
  }
}

TEST(DecodeProductKey, EveryBitOfTheTopByteCounts) {
  const KeyBytes base{0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc, 0xde, 0xf0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x00};
  const std::wstring baseKey = Decode(base);
  for (int bit = 0; bit < 8; ++bit) {
    SCOPED_TRACE(bit);
    KeyBytes flipped = base;
    flipped[14] = static_cast<std::uint8_t>(1u << bit);
    const std::wstring key = Decode(flipped);
    EXPECT_NE(key, baseKey);
    EXPECT_EQ(key, ReferenceKey(flipped));
  }
}

TEST(DecodeProductKey, AnyInputGivesWellFormedKeyText) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 2000; ++round) {
    KeyBytes bytes;
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    const std::wstring key = Decode(bytes);
    ASSERT_TRUE(IsWellFormedKeyText(key)) << testing::PrintToString(key);
    ASSERT_EQ(key, ReferenceKey(bytes));
  }
}

TEST(DecodeProductKey, LeavesTheQuotientInTheWorkingCopy) {
  const KeyBytes original{0x6f, 0xfa, 0x95, 0x45, 0xfc, 0x75, 0xb5, 0x52, 0xbb, 0xef, 0xb1, 0x17, 0xda, 0xcd, 0xff};
  std::uint8_t work[kKeyByteCount];
  std::memcpy(work, original.data(), kKeyByteCount);
  const WideString first = DecodeProductKey(work);

  Uint128 quotient = ToNumber(original);
  for (int i = 0; i < 25; ++i) quotient /= 24;
  KeyBytes left;
  std::memcpy(left.data(), work, kKeyByteCount);
  EXPECT_NE(quotient, 0u);
  EXPECT_EQ(ToNumber(left), quotient);

  // The overwritten copy no longer holds the key; a fresh copy still does.
  const WideString again = DecodeProductKey(work);
  EXPECT_NE(std::wstring(again.Text()), std::wstring(first.Text()));
  EXPECT_EQ(Decode(original), std::wstring(first.Text()));
}

TEST(WideString, GrowsAndMoves) {
  WideString text(L"取得");
  EXPECT_EQ(text.Length(), 2u);
  std::wstring expected = L"取得";
  for (int i = 0; i < 100; ++i) {
    const wchar_t c = static_cast<wchar_t>(L'a' + i % 26);
    text.Prepend(c);
    expected.insert(expected.begin(), c);
  }
  EXPECT_EQ(std::wstring(text.Text()), expected);
  EXPECT_EQ(text.Length(), expected.size());

  WideString moved(std::move(text));
  EXPECT_EQ(std::wstring(moved.Text()), expected);
  EXPECT_EQ(text.Length(), 0u);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
  EXPECT_STREQ(text.Text(), L"");
  EXPECT_STREQ(WideString().Text(), L"");
}

}  // namespace
