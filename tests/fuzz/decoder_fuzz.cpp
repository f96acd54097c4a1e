// libFuzzer target: any fifteen bytes must decode to well-formed key text
// equal to the 128-bit reference, and leave the quotient by 24^25 behind.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/product_key.h"
#include "tests/core/reference_key.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Like a short registry value, a short input has its missing bytes as zero.
  std::uint8_t key[kKeyByteCount] = {};
  std::memcpy(key, data, size < kKeyByteCount ? size : kKeyByteCount);
  std::uint8_t work[kKeyByteCount];
  std::memcpy(work, key, kKeyByteCount);
  const WideString keyText = DecodeProductKey(work);

  const std::wstring text(keyText.Text(), keyText.Length());
  if (!IsWellFormedKeyText(text) || text != ReferenceKey(key)) std::abort();

  Uint128 quotient = KeyNumber(key);
  for (int i = 0; i < 25; ++i) quotient /= 24;
  if (KeyNumber(work) != quotient) std::abort();
  return 0;
}
