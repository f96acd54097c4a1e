#pragma once

#include <windows.h>

// The version box. Open it with DialogBoxParamW and an owner; it centres
// itself over that owner and ends with IDOK or IDCANCEL.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Centres the dialog's window rectangle on the owner's, or on the desktop when
// the owner is minimised. Not clamped to the screen: an owner partly off
// screen takes the dialog partly off screen with it.
void CenterOnParent(HWND dialog, HWND owner);
