#include "win/product_key_reader.h"

#include <cstdint>
#include <cstring>

#include "core/product_key.h"

namespace {

constexpr wchar_t kFailureText[] = L"取得できませんでした";
constexpr DWORD kValueBufferSize = 2048;
constexpr std::size_t kKeyOffset = 52;

// Closes the key on every way out of the scope that opened it.
class KeyCloser {
 public:
  KeyCloser(HKEY key, decltype(&RegCloseKey) close) : key_(key), close_(close) {}
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;
  ~KeyCloser() { close_(key_); }

 private:
  HKEY key_;
  decltype(&RegCloseKey) close_;
};

}  // namespace

WideString ReadProductKeyText(const RegistryCalls& registry) {
  // Zero-filled, so a value too short to reach the key bytes decodes its
  // missing bytes as zero.
  BYTE value[kValueBufferSize] = {};
  DWORD size = kValueBufferSize;
  DWORD type = 0;
  HKEY key = nullptr;
  if (registry.open(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                    KEY_READ, &key) != ERROR_SUCCESS) {
    return WideString(kFailureText);
  }
  const KeyCloser closer(key, registry.close);
  if (registry.query(key, L"DigitalProductId", nullptr, &type, value, &size) != ERROR_SUCCESS) {
    return WideString(kFailureText);
  }
  std::uint8_t keyBytes[kKeyByteCount] = {};
  std::memcpy(keyBytes, value + kKeyOffset, sizeof keyBytes);
  return DecodeProductKey(keyBytes);
}

WideString ReadProductKeyText() {
  return ReadProductKeyText({RegOpenKeyExW, RegQueryValueExW, RegCloseKey});
}
