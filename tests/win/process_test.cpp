// Lumiqa.exe as a user meets it: a process of its own, driven with real input
// and ended by the user, its exit code read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/win/test_support.h"

namespace {

struct Search {
  DWORD processId;
  HWND owner;  // nullptr for the main dialog
  HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (processId == search->processId && std::wstring(className) == L"#32770" && IsWindowVisible(window) &&
      GetWindow(window, GW_OWNER) == search->owner) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// One run of the program, ended by the test or, failing that, killed.
class Program {
 public:
  Program() {
    std::wstring commandLine = L"\"" + PathFromEnvironment("LUMIQA_EXE") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_) != FALSE;
    EXPECT_TRUE(started_) << GetLastError();
    if (started_) dialog_ = WaitForDialog(nullptr);
    EXPECT_NE(dialog_, nullptr) << "no main dialog";
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND Dialog() const { return dialog_; }
  HWND KeyBox() const { return GetDlgItem(dialog_, ID_EDIT_KEY); }

  HWND WaitForDialog(HWND owner) const {
    for (int tries = 0; tries < 200; ++tries) {
      Search search{process_.dwProcessId, owner, nullptr};
      EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
      if (search.found != nullptr) {
        Sleep(100);  // let the dialog take the focus before input arrives
        return search.found;
      }
      Sleep(50);
    }
    return nullptr;
  }

  bool Running(DWORD forMilliseconds) const {
    return WaitForSingleObject(process_.hProcess, forMilliseconds) == WAIT_TIMEOUT;
  }

  // The exit code once the process has ended, or -1 if it does not end.
  long ExitCode() const {
    if (Running(10000)) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
  }

  HWND FocusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
  HWND dialog_ = nullptr;
};

class ProcessTest : public ::testing::Test {
 protected:
  ScopedProductId productId_;
};

TEST_F(ProcessTest, ShowsTheKeyOfTheValueOrTheFailureText) {
  struct Case {
    const char* name;
    bool present;
    const wchar_t* expected;
  };
  for (const Case& c : {Case{"value written", true, kExampleText}, Case{"value deleted", false, kFailureText}}) {
    SCOPED_TRACE(c.name);
    if (c.present) {
      productId_.Set(REG_BINARY, ProductIdBytes(164, kExampleKey));
    } else {
      productId_.Delete();
    }
    const Program program;
    EXPECT_EQ(WindowText(program.KeyBox()), c.expected);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(program.ExitCode(), 0);
  }
}

TEST_F(ProcessTest, EveryWayOfClosingEndsWithExitCodeZero) {
  struct Case {
    const char* name;
    void (*close)(HWND dialog);
  };
  const Case cases[] = {
      {"Esc", [](HWND) { PressKey(VK_ESCAPE); }},
      {"Alt+F4", [](HWND) { PressKey(VK_F4, VK_MENU); }},
      {"close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Close in the system menu", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE | 0x3, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Program program;
    c.close(program.Dialog());
    EXPECT_EQ(program.ExitCode(), 0);
  }
}

TEST_F(ProcessTest, EnterLeavesItOpen) {
  const Program program;
  PressKey(VK_RETURN);
  EXPECT_TRUE(program.Running(500));
  EXPECT_TRUE(IsWindowVisible(program.Dialog()));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(program.ExitCode(), 0);
}

TEST_F(ProcessTest, KeyBoxIsReadOnlyAndCopies) {
  productId_.Set(REG_BINARY, ProductIdBytes(164, kExampleKey));
  const Program program;
  ASSERT_EQ(program.FocusedWindow(), program.KeyBox());
  PressKey('X');
  PressKey(VK_BACK);
  PressKey(VK_DELETE);
  Sleep(200);
  EXPECT_EQ(WindowText(program.KeyBox()), kExampleText);

  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  SendMessageW(program.KeyBox(), EM_SETSEL, 0, -1);
  PressKey('C', VK_CONTROL);
  Sleep(200);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* copied = static_cast<const wchar_t*>(data != nullptr ? GlobalLock(data) : nullptr);
  EXPECT_EQ(std::wstring(copied != nullptr ? copied : L""), kExampleText);
  if (copied != nullptr) GlobalUnlock(data);
  CloseClipboard();

  PressKey(VK_ESCAPE);
  EXPECT_EQ(program.ExitCode(), 0);
}

TEST_F(ProcessTest, AboutItemOpensACentredModalBox) {
  const Program program;
  const HWND main = program.Dialog();
  // The platform keeps the low four bits of a system command for itself.
  PostMessageW(main, WM_SYSCOMMAND, ID_SYSMENU_ABOUT | 0xB, 0);
  const HWND box = program.WaitForDialog(main);
  ASSERT_NE(box, nullptr) << "no about box";

  const RECT m = WindowRect(main);
  const RECT b = WindowRect(box);
  EXPECT_EQ(b.left, m.left + ((m.right - m.left) - (b.right - b.left)) / 2);
  EXPECT_EQ(b.top, m.top + ((m.bottom - m.top) - (b.bottom - b.top)) / 2);
  EXPECT_EQ(WindowText(box), L"バージョン情報");
  EXPECT_FALSE(IsWindowEnabled(main));

  // A click on the main dialog's key box, outside the about box, goes nowhere.
  const RECT keyBox = WindowRect(program.KeyBox());
  const POINT outside = {keyBox.left + 3, keyBox.top + 3};
  ASSERT_TRUE(outside.x < b.left || outside.y < b.top);
  SetCursorPos(outside.x, outside.y);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
  Sleep(200);
  EXPECT_EQ(program.FocusedWindow(), GetDlgItem(box, IDOK));
  EXPECT_TRUE(IsWindow(box));

  PressKey(VK_ESCAPE);
  for (int tries = 0; tries < 100 && IsWindow(box); ++tries) Sleep(50);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_TRUE(program.Running(200));  // closing the box leaves the program running

  PressKey(VK_ESCAPE);
  EXPECT_EQ(program.ExitCode(), 0);
}

}  // namespace
