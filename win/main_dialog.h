#pragma once

#include <windows.h>

// The program's one top-level window: the key box and the About item of its
// system menu. Runs modally from wWinMain, which stores the module whose
// resources it loads.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand);
