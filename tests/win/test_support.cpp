#include "tests/win/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <utility>

std::wstring PathFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) {
    ADD_FAILURE() << name << " is not set";
    return L"";
  }
  std::wstring path = L"Z:";
  for (const char* c = value; *c != '\0'; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

std::vector<BYTE> ProductIdBytes(std::size_t length, const BYTE (&keyBytes)[15]) {
  std::vector<BYTE> bytes(length, 0xEE);
  for (std::size_t i = 0; i < 15 && 52 + i < length; ++i) bytes[52 + i] = keyBytes[i];
  return bytes;
}

ScopedProductId::ScopedProductId() {
  const LONG opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kVersionKey, 0, KEY_READ | KEY_WRITE, &key_);
  if (opened != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot open the version key: " << opened;
    key_ = nullptr;
    return;
  }
  DWORD size = 0;
  existed_ = RegQueryValueExW(key_, L"DigitalProductId", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
  if (existed_) {
    saved_.resize(size);
    RegQueryValueExW(key_, L"DigitalProductId", nullptr, &type_, saved_.data(), &size);
  }
}

ScopedProductId::~ScopedProductId() {
  if (key_ == nullptr) return;
  if (existed_) {
    Set(type_, saved_);
  } else {
    Delete();
  }
  RegCloseKey(key_);
}

void ScopedProductId::Set(DWORD type, const std::vector<BYTE>& bytes) {
  ASSERT_EQ(RegSetValueExW(key_, L"DigitalProductId", 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
}

void ScopedProductId::Delete() {
  const LONG deleted = RegDeleteValueW(key_, L"DigitalProductId");
  ASSERT_TRUE(deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND) << deleted;
}

namespace {

std::map<UINT_PTR, std::function<void()>>& Steps() {
  static std::map<UINT_PTR, std::function<void()>> steps;
  return steps;
}

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const auto found = Steps().find(timer);
  if (found == Steps().end()) return;
  const std::function<void()> step = std::move(found->second);
  Steps().erase(found);
  step();
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
  auto* result = reinterpret_cast<std::pair<HWND, HWND>*>(found);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (window != result->first && std::wstring(className) == L"#32770" && IsWindowVisible(window) &&
      IsWindowEnabled(window)) {
    result->second = window;
    return FALSE;
  }
  return TRUE;
}

void WhenDialogUp(HWND except, const std::function<void(HWND)>& whileOpen, int triesLeft) {
  const HWND dialog = FindThreadDialog(except);
  if (dialog != nullptr) {
    whileOpen(dialog);
  } else if (triesLeft > 0) {
    Later([=] { WhenDialogUp(except, whileOpen, triesLeft - 1); });
  } else {
    ADD_FAILURE() << "the dialog never came up";
  }
}

}  // namespace

void Later(std::function<void()> step) {
  // A thread timer is dispatched by whatever loop is running, so the step
  // runs inside a dialog's own modal loop.
  Steps()[SetTimer(nullptr, 0, 50, OnStepTimer)] = std::move(step);
}

HWND FindThreadDialog(HWND except) {
  std::pair<HWND, HWND> found{except, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

INT_PTR RunModal(const std::function<INT_PTR()>& run, const std::function<void(HWND)>& whileOpen) {
  const HWND before = FindThreadDialog();
  Later([=] { WhenDialogUp(before, whileOpen, 100); });
  return run();
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

void PressKey(WORD key, WORD modifier) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (modifier != 0) add(modifier, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (modifier != 0) add(modifier, KEYEVENTF_KEYUP);
  EXPECT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}
