// Identifiers shared by the resource script and the dialog code.
#pragma once

#define ID_DIALOG_ABOUT 103
#define ID_ICON_LARGE 107
#define ID_ICON_SMALL 108
#define ID_DIALOG_MAIN 110
#define ID_STRING_ABOUT_ITEM 40000
#define ID_EDIT_KEY 40002

// Not a resource: the command of the About item, as WM_SYSCOMMAND brings it.
// System commands keep their low four bits for the platform.
#define ID_SYSMENU_ABOUT 16
