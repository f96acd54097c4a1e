// An independent reference for the decoder: the fifteen key bytes as one
// 128-bit integer, written in base 24 by ordinary integer division.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/product_key.h"

__extension__ typedef unsigned __int128 Uint128;

inline Uint128 KeyNumber(const std::uint8_t* bytes) {
  Uint128 number = 0;
  for (std::size_t i = kKeyByteCount; i-- > 0;) number = number << 8 | bytes[i];
  return number;
}

inline std::wstring ReferenceKey(const std::uint8_t* bytes) {
  const wchar_t* alphabet = L"BCDFGHJKMPQRTVWXY2346789";
  Uint128 number = KeyNumber(bytes);
  std::wstring key(kKeyTextLength, L'-');
  for (std::size_t position = kKeyTextLength; position-- > 0;) {
    if (position % 6 == 5) continue;
    key[position] = alphabet[static_cast<unsigned>(number % 24)];
    number /= 24;
  }
  return key;
}

// Five groups of five alphabet characters joined by dashes, nothing else.
inline bool IsWellFormedKeyText(const std::wstring& text) {
  const std::wstring alphabet = L"BCDFGHJKMPQRTVWXY2346789";
  if (text.size() != kKeyTextLength) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i % 6 == 5;
    if (dash ? text[i] != L'-' : alphabet.find(text[i]) == std::wstring::npos) return false;
  }
  return true;
}
