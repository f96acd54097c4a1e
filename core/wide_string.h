#pragma once

#include <cstddef>

// A growable UTF-16 string of our own. std::wstring would link the exception
// and unwinding machinery statically into the executable, ten times the size
// of everything else, for two short texts.
class WideString {
 public:
  WideString() = default;
  explicit WideString(const wchar_t* text);
  WideString(WideString&& other) noexcept;
  WideString(const WideString&) = delete;
  WideString& operator=(const WideString&) = delete;
  WideString& operator=(WideString&&) = delete;
  ~WideString();

  void Prepend(wchar_t c);

  // Always NUL-terminated, also when empty.
  const wchar_t* Text() const { return data_ != nullptr ? data_ : L""; }
  std::size_t Length() const { return length_; }

 private:
  void Reserve(std::size_t capacity);

  wchar_t* data_ = nullptr;
  std::size_t length_ = 0;
  std::size_t capacity_ = 0;  // characters, not counting the terminating NUL
};
