// The main dialog in this process, run by the program's own entry point, so
// that its menu and icons can be inspected (menu handles do not cross
// processes under Wine).
#include "win/main_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win/test_support.h"
#include "win/product_key_reader.h"

namespace {

struct MenuItem {
  bool separator;
  UINT id;
  std::wstring text;
  bool operator==(const MenuItem& o) const { return separator == o.separator && id == o.id && text == o.text; }
};
void PrintTo(const MenuItem& item, std::ostream* os) {
  *os << (item.separator ? "separator" : testing::PrintToString(item.text) + " " + std::to_string(item.id));
}

std::vector<MenuItem> Items(HMENU menu) {
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 64;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    items.push_back({separator, separator ? 0 : info.wID, separator ? L"" : text});
  }
  return items;
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

int RunProgram(const std::function<void(HWND)>& whileOpen) {
  return static_cast<int>(RunModal(
      [] { return static_cast<INT_PTR>(wWinMain(GetModuleHandleW(nullptr), nullptr, const_cast<PWSTR>(L""), SW_SHOWNORMAL)); },
      whileOpen));
}

class MainDialogTest : public ::testing::Test {
 protected:
  ScopedProductId productId_;
};

TEST_F(MainDialogTest, InitialisesKeyBoxIconsAndSystemMenu) {
  productId_.Set(REG_BINARY, ProductIdBytes(164, kExampleKey));
  const int exitCode = RunProgram([](HWND dialog) {
    const HWND keyBox = GetDlgItem(dialog, ID_EDIT_KEY);
    EXPECT_EQ(WindowText(keyBox), kExampleText);
    EXPECT_EQ(WindowText(keyBox), ToStd(ReadProductKeyText()));
    EXPECT_EQ(GetFocus(), keyBox);
    EXPECT_EQ(WindowText(dialog), L"Lumiqa");

    const SIZE small = IconSize(reinterpret_cast<HICON>(SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0)));
    const SIZE big = IconSize(reinterpret_cast<HICON>(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0)));
    EXPECT_EQ(small.cx, 16);
    EXPECT_EQ(small.cy, 16);
    EXPECT_EQ(big.cx, 32);
    EXPECT_EQ(big.cy, 32);

    // Reverting gives back the menu as it was before the dialog added to it.
    const std::vector<MenuItem> extended = Items(GetSystemMenu(dialog, FALSE));
    GetSystemMenu(dialog, TRUE);
    std::vector<MenuItem> expected = Items(GetSystemMenu(dialog, FALSE));
    ASSERT_GE(expected.size(), 2u);
    expected.insert(expected.begin() + 1, {{true, 0, L""}, {false, ID_SYSMENU_ABOUT, L"バージョン情報 (&A)..."}, {true, 0, L""}});
    EXPECT_EQ(extended, expected);

    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(exitCode, 0);
}

TEST_F(MainDialogTest, EnterIsIgnoredAndEscEnds) {
  bool stillOpen = false;
  const int exitCode = RunProgram([&](HWND dialog) {
    PressKey(VK_RETURN);
    Later([&, dialog] {
      stillOpen = IsWindowVisible(dialog) != FALSE;
      PressKey(VK_ESCAPE);
    });
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(exitCode, 0);
}

}  // namespace
