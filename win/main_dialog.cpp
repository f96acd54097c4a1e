#include "win/main_dialog.h"

#include <commctrl.h>

#include "res/resource.h"
#include "win/about_dialog.h"
#include "win/product_key_reader.h"

namespace {

HINSTANCE g_instance;

void SetIcon(HWND dialog, int resource, int size, WPARAM which) {
  // Kept for the whole run: the dialog draws with it until the process ends.
  const HANDLE icon = LoadImageW(g_instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size,
                                 LR_DEFAULTCOLOR);
  if (icon != nullptr) SendMessageW(dialog, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

void OnInitDialog(HWND dialog) {
  SetIcon(dialog, ID_ICON_SMALL, 16, ICON_SMALL);
  SetIcon(dialog, ID_ICON_LARGE, 32, ICON_BIG);

  wchar_t aboutItem[40] = {};
  LoadStringW(g_instance, ID_STRING_ABOUT_ITEM, aboutItem, 40);
  // Each insertion goes in at position 1, so they are made in reverse: the
  // menu reads first item, separator, About, separator, the rest.
  const HMENU menu = GetSystemMenu(dialog, FALSE);
  InsertMenuW(menu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  InsertMenuW(menu, 1, MF_BYPOSITION | MF_STRING, ID_SYSMENU_ABOUT, aboutItem);
  InsertMenuW(menu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);

  SetDlgItemTextW(dialog, ID_EDIT_KEY, ReadProductKeyText().Text());
}

BOOL OnSysCommand(HWND dialog, WPARAM command) {
  switch (command & 0xFFF0) {
    case ID_SYSMENU_ABOUT:
      DialogBoxParamW(g_instance, MAKEINTRESOURCEW(ID_DIALOG_ABOUT), dialog, AboutDialogProc, 0);
      return TRUE;
    case SC_CLOSE:
      // Left unhandled as well, so that the platform's own closing goes on.
      EndDialog(dialog, IDCANCEL);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog);
      return TRUE;  // the focus goes to the key box, the only tab stop
    case WM_COMMAND:
      // Esc. Enter sends IDOK, which is ignored: there is no button to press.
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    case WM_SYSCOMMAND:
      return OnSysCommand(dialog, wParam);
    default:
      return FALSE;
  }
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  InitCommonControls();
  g_instance = instance;
  DialogBoxParamW(instance, MAKEINTRESOURCEW(ID_DIALOG_MAIN), nullptr, MainDialogProc, 0);
  return 0;
}
