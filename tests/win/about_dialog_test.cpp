#include "win/about_dialog.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/win/test_support.h"

namespace {

// Plain popups: without a frame, the window rectangle is exactly what is asked.
HWND Popup(int x, int y, int width, int height, DWORD extraStyle = 0) {
  return CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE | extraStyle, x, y, width, height, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

struct CentreCase {
  const char* name;
  RECT owner;  // left, top, right, bottom
  int width, height;
  POINT expected;
};

TEST(CenterOnParent, CentresOnTheOwnerRoundingTowardZero) {
  const CentreCase cases[] = {
      {"owner wider by 5", {100, 100, 205, 160}, 100, 50, {102, 105}},
      {"dialog wider by 5", {200, 150, 300, 210}, 105, 65, {198, 148}},
      {"even difference", {0, 0, 400, 300}, 100, 50, {150, 125}},
      {"owner partly off screen", {-150, -80, 50, 20}, 100, 50, {-100, -55}},
  };
  for (const CentreCase& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND owner = Popup(c.owner.left, c.owner.top, c.owner.right - c.owner.left, c.owner.bottom - c.owner.top);
    const HWND dialog = Popup(500, 400, c.width, c.height);
    ASSERT_TRUE(owner && dialog);
    CenterOnParent(dialog, owner);
    const RECT placed = WindowRect(dialog);
    EXPECT_EQ(placed.left, c.expected.x);
    EXPECT_EQ(placed.top, c.expected.y);
    EXPECT_EQ(placed.right - placed.left, c.width);
    EXPECT_EQ(placed.bottom - placed.top, c.height);
    DestroyWindow(dialog);
    DestroyWindow(owner);
  }
}

TEST(CenterOnParent, MinimisedOwnerMeansTheDesktop) {
  const HWND owner = Popup(10, 10, 300, 200, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  const HWND dialog = Popup(0, 0, 101, 51);
  ShowWindow(owner, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(owner));
  CenterOnParent(dialog, owner);
  const RECT desktop = WindowRect(GetDesktopWindow());
  const RECT placed = WindowRect(dialog);
  EXPECT_EQ(placed.left, desktop.left + (desktop.right - desktop.left - 101) / 2);
  EXPECT_EQ(placed.top, desktop.top + (desktop.bottom - desktop.top - 51) / 2);
  DestroyWindow(dialog);
  DestroyWindow(owner);
}

struct EndCase {
  const char* name;
  void (*end)(HWND box);
  INT_PTR expected;
};

TEST(AboutDialog, OpensCentredWithFocusOnOkAndEndsAsAsked) {
  const EndCase cases[] = {
      {"Enter", [](HWND) { PressKey(VK_RETURN); }, IDOK},
      {"Esc", [](HWND) { PressKey(VK_ESCAPE); }, IDCANCEL},
      {"close box", [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
  };
  const HWND owner = Popup(120, 90, 501, 301, WS_CAPTION | WS_SYSMENU);
  ASSERT_NE(owner, nullptr);
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.name);
    bool checked = false;
    const INT_PTR result = RunModal(
        [&] {
          return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ID_DIALOG_ABOUT), owner,
                                 AboutDialogProc, 0);
        },
        [&](HWND box) {
          const RECT o = WindowRect(owner);
          const RECT b = WindowRect(box);
          EXPECT_EQ(b.left, o.left + ((o.right - o.left) - (b.right - b.left)) / 2);
          EXPECT_EQ(b.top, o.top + ((o.bottom - o.top) - (b.bottom - b.top)) / 2);
          EXPECT_EQ(GetParent(box), owner);
          EXPECT_FALSE(IsWindowEnabled(owner));
          EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
          checked = true;
          c.end(box);
        });
    EXPECT_TRUE(checked);
    EXPECT_EQ(result, c.expected);
    EXPECT_TRUE(IsWindowEnabled(owner));
  }
  DestroyWindow(owner);
}

}  // namespace
