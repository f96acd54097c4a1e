#include "core/product_key.h"

WideString DecodeProductKey(std::uint8_t (&keyBytes)[kKeyByteCount]) {
  static constexpr wchar_t kAlphabet[] = L"BCDFGHJKMPQRTVWXY2346789";
  WideString keyText;
  // Digits come out least significant first, so each one goes in at the front.
  for (unsigned i = 1; i <= kKeyTextLength; ++i) {
    if (i % 6 == 0) {
      keyText.Prepend(L'-');
      continue;
    }
    unsigned remainder = 0;
    for (std::size_t j = kKeyByteCount; j-- > 0;) {
      const unsigned value = remainder * 256 + keyBytes[j];
      keyBytes[j] = static_cast<std::uint8_t>(value / 24);
      remainder = value % 24;
    }
    keyText.Prepend(kAlphabet[remainder]);
  }
  return keyText;
}
