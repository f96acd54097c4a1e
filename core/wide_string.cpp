#include "core/wide_string.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

WideString::WideString(const wchar_t* text) {
  const std::size_t length = std::wcslen(text);
  Reserve(length);
  std::memcpy(data_, text, (length + 1) * sizeof(wchar_t));
  length_ = length;
}

WideString::WideString(WideString&& other) noexcept
    : data_(other.data_), length_(other.length_), capacity_(other.capacity_) {
  other.data_ = nullptr;
  other.length_ = other.capacity_ = 0;
}

WideString::~WideString() { std::free(data_); }

void WideString::Prepend(wchar_t c) {
  if (length_ == capacity_) Reserve(capacity_ < 16 ? 32 : capacity_ * 2);
  std::memmove(data_ + 1, data_, (length_ + 1) * sizeof(wchar_t));
  data_[0] = c;
  ++length_;
}

void WideString::Reserve(std::size_t capacity) {
  // Out of memory there is no honest text to show: a truncated key would be a
  // wrong key. Stop rather than display one.
  if (capacity >= static_cast<std::size_t>(-1) / sizeof(wchar_t) - 1) std::abort();
  void* grown = std::realloc(data_, (capacity + 1) * sizeof(wchar_t));
  if (grown == nullptr) std::abort();
  data_ = static_cast<wchar_t*>(grown);
  if (length_ == 0) data_[0] = L'\0';
  capacity_ = capacity;
}
