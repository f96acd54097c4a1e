#include "win/about_dialog.h"

namespace {

// Halves toward zero, so that a dialog wider than its owner by an odd amount
// overhangs the owner's left edge by the smaller half.
LONG CenteredStart(LONG ownerStart, LONG ownerExtent, LONG dialogExtent) {
  return ownerStart + (ownerExtent - dialogExtent) / 2;
}

}  // namespace

void CenterOnParent(HWND dialog, HWND owner) {
  if (IsIconic(owner)) owner = GetDesktopWindow();
  RECT ownerRect;
  RECT dialogRect;
  GetWindowRect(owner, &ownerRect);
  GetWindowRect(dialog, &dialogRect);
  const LONG x = CenteredStart(ownerRect.left, ownerRect.right - ownerRect.left,
                               dialogRect.right - dialogRect.left);
  const LONG y = CenteredStart(ownerRect.top, ownerRect.bottom - ownerRect.top,
                               dialogRect.bottom - dialogRect.top);
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CenterOnParent(dialog, GetParent(dialog));
      return TRUE;
    case WM_COMMAND:
      // The close box arrives here as IDCANCEL too.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
