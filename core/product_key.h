#pragma once

#include <cstddef>
#include <cstdint>

#include "core/wide_string.h"

// The product key is held in these fifteen bytes of the DigitalProductId
// value, as one little-endian 120-bit number.
constexpr std::size_t kKeyByteCount = 15;

// Five groups of five characters joined by four dashes.
constexpr std::size_t kKeyTextLength = 29;

// Writes the number as 25 base-24 digits. The division runs in place, so
// keyBytes is a working copy that is left holding the quotient.
WideString DecodeProductKey(std::uint8_t (&keyBytes)[kKeyByteCount]);
