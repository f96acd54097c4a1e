// Lets scripts/run.sh show Lumiqa on a machine without a display: run in the
// same Wine prefix, it maps the dialog fonts to the installed Japanese fonts,
// reads the key box of the running program, and closes the program.
//   headless fonts        map "MS UI Gothic" and "ＭＳ Ｐゴシック" to IPA fonts
//   headless key FILE     wait for the dialog; write the key box's text, UTF-8
//   headless close        close the dialog as its close box does
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "res/resource.h"

namespace {

int MapFonts() {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return 1;
  }
  const struct {
    const wchar_t* face;
    const wchar_t* replacement;
  } fonts[] = {{L"MS UI Gothic", L"IPAGothic"}, {L"ＭＳ Ｐゴシック", L"IPAPGothic"}};
  LONG status = ERROR_SUCCESS;
  for (const auto& font : fonts) {
    const DWORD bytes = static_cast<DWORD>((wcslen(font.replacement) + 1) * sizeof(wchar_t));
    status |= RegSetValueExW(key, font.face, 0, REG_SZ, reinterpret_cast<const BYTE*>(font.replacement), bytes);
  }
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? 0 : 1;
}

HWND WaitForDialog() {
  for (int tries = 0; tries < 600; ++tries) {
    const HWND dialog = FindWindowW(L"#32770", L"Lumiqa");
    if (dialog != nullptr && IsWindowVisible(dialog)) return dialog;
    Sleep(50);
  }
  return nullptr;
}

int WriteKey(const wchar_t* path) {
  const HWND dialog = WaitForDialog();
  if (dialog == nullptr) return 1;
  wchar_t text[64] = {};
  SendDlgItemMessageW(dialog, ID_EDIT_KEY, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  char utf8[256] = {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  FILE* out = _wfopen(path, L"wb");
  if (out == nullptr || length <= 0) return 1;
  std::fprintf(out, "%s\n", utf8);
  return std::fclose(out) == 0 ? 0 : 1;
}

int Close() {
  const HWND dialog = WaitForDialog();
  return dialog != nullptr && PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && wcscmp(argv[1], L"fonts") == 0) return MapFonts();
  if (argc == 3 && wcscmp(argv[1], L"key") == 0) return WriteKey(argv[2]);
  if (argc == 2 && wcscmp(argv[1], L"close") == 0) return Close();
  std::fputs("usage: headless fonts | key FILE | close\n", stderr);
  return 2;
}
