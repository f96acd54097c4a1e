#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/wide_string.h"

constexpr wchar_t kFailureText[] = L"取得できませんでした";
// A worked example from the product-activation literature: these key bytes
// are the key below.
constexpr BYTE kExampleKey[15] = {0x6f, 0xfa, 0x95, 0x45, 0xfc, 0x75, 0xb5, 0x52,
                                  0xbb, 0xef, 0xb1, 0x17, 0xda, 0xcd, 0x00};
constexpr wchar_t kExampleText[] = L"FFFFF-GGGGG-HHHHH-JJJJJ-KKKKK";
constexpr wchar_t kVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

inline std::wstring ToStd(const WideString& text) { return std::wstring(text.Text(), text.Length()); }

// A Unix path from the test environment, as Wine's Z: drive shows it.
std::wstring PathFromEnvironment(const char* name);

// The bytes of a DigitalProductId value of the given length: the key bytes at
// offsets 52 to 66 as far as the length reaches, filler everywhere else.
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
