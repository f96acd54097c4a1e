#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/wide_string.h"

constexpr wchar_t kFailureText[] = L"取得できませんでした";
constexpr wchar_t kVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

inline std::wstring ToStd(const WideString& text) { return std::wstring(text.Text(), text.Length()); }

// A Unix path from the test environment, as Wine's Z: drive shows it.
std::wstring PathFromEnvironment(const char* name);

// A DigitalProductId value of the given type and bytes: its first kKeyOffset
// bytes and those after the key hold filler, the key bytes sit at 52..66.
std::vector<BYTE> ProductIdBytes(std::size_t length, const BYTE (&keyBytes)[15]);

// Stands in for the prefix's DigitalProductId for one test and puts the
// original back afterwards, so that tests do not depend on their order.
class ScopedProductId {
 public:
  ScopedProductId();
  ~ScopedProductId();
  ScopedProductId(const ScopedProductId&) = delete;
  ScopedProductId& operator=(const ScopedProductId&) = delete;

  void Set(DWORD type, const std::vector<BYTE>& bytes);
  void Delete();

 private:
  HKEY key_ = nullptr;
  bool existed_ = false;
  DWORD type_ = 0;
  std::vector<BYTE> saved_;
};

// Runs step a moment later from whichever message loop the thread is in.
void Later(std::function<void()> step);

// Runs a modal loop (a DialogBoxParamW call) and, once its dialog is up,
// calls whileOpen with the dialog from inside that loop. whileOpen must see
// to it that the dialog ends; the loop's result is returned.
INT_PTR RunModal(const std::function<INT_PTR()>& run, const std::function<void(HWND)>& whileOpen);

// The enabled, visible top-level dialog of this thread other than `except`.
HWND FindThreadDialog(HWND except = nullptr);

RECT WindowRect(HWND window);

// Presses and releases a key as the keyboard would, with a modifier key
// (VK_MENU, VK_CONTROL) held if one is given; it goes to whatever window has
// the focus.
void PressKey(WORD key, WORD modifier = 0);

// The text of a window, also one of another process (WM_GETTEXT).
std::wstring WindowText(HWND window);
