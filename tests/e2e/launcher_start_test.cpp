// The real launcher.exe started from outside: from another working directory and with arguments it
// shows MainWindow, Esc ends it with code 0, and closing MainWindow while SearchWindow or a box is open
// ends it too. (That it works in its own folder shows in the game it starts: launch_test,
// code_page_e2e_test.)
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "launcher_process.h"
#include "scratch_registry.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"

namespace {

// A copy of launcher.exe in a folder of its own (with a Chinese name), started from another folder.
class LauncherStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), folder_ + "\\launcher.exe"));
    launcher_ = std::make_unique<test::LauncherProcess>(folder_ + "\\launcher.exe", elsewhere_.path(),
                                                        "-game cstrike /参数 \"带 空格\"");
    ASSERT_TRUE(launcher_->started());
    main_ = launcher_->MainWindow();
    ASSERT_NE(main_, nullptr) << "MainWindow did not show";
  }

  test::ScratchDir home_, elsewhere_;
  const std::string folder_ = home_.File("启动器 目录");
  std::unique_ptr<test::LauncherProcess> launcher_;
  HWND main_ = nullptr;
};

TEST_F(LauncherStart, ShowsMainWindowAndEscEndsIt) {
  RECT rc;
  GetWindowRect(main_, &rc);
  EXPECT_EQ(rc.right - rc.left, MainWindow.width);
  EXPECT_EQ(rc.bottom - rc.top, MainWindow.height);

  PostMessageA(main_, WM_KEYDOWN, VK_ESCAPE, 1);
  DWORD code = 12345;
  ASSERT_TRUE(launcher_->WaitForExit(&code));
  EXPECT_EQ(code, 0u);
  // Nothing is saved on the way out.
  EXPECT_FALSE(test::FileExists(folder_ + "\\option.ini"));
  EXPECT_FALSE(test::FileExists(elsewhere_.File("option.ini")));
}

TEST_F(LauncherStart, ClosingMainWindowWithSearchWindowOpenEndsIt) {
  HWND search = FindWindowExA(main_, nullptr, "Button", "搜索");
  ASSERT_NE(search, nullptr);
  test::Click(search);
  HWND searchWindow = launcher_->WaitForWindow(SearchWindow.title);
  ASSERT_NE(searchWindow, nullptr);
  EXPECT_EQ(GetWindow(searchWindow, GW_OWNER), main_);

  PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD code = 12345;
  ASSERT_TRUE(launcher_->WaitForExit(&code));
  EXPECT_EQ(code, 0u);
}

// Presses a button of the launcher's box or dialog with that title once it shows.
void Answer(const test::LauncherProcess& launcher, const char* title, int button) {
  HWND box = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (box = test::FindDialog(title, launcher.pid())) != nullptr; }));
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

void ClickIn(HWND main, const char* button) { test::Click(test::ControlOf(main, MainWindow, button)); }

// MainWindow closed from outside (taskkill without /f, or a tool that closes windows politely) while a
// handler's box or dialog is open, which is then answered if it is still there: the launcher ends with
// code 0 and shows nothing more, the error box least of all.
TEST(LauncherClosedDuringABox, EndsWithCodeZeroAndShowsNothingMore) {
  test::KeptMouseCurves curves;   // the switch writes the prefix's own
  test::RemoveTree("S:", true);   // the search's first entry there is a candidate
  test::WriteFileBytes("S:\\hl.exe", "");
  using Launcher = const test::LauncherProcess&;
  const struct {
    const char* box;
    void (*open)(Launcher, HWND main);
    int answer;
  } rows[] = {
      {"请确认操作", [](Launcher, HWND main) { ClickIn(main, "按钮4"); }, IDYES},
      {"是否立即注销系统",
       [](Launcher l, HWND main) {
         ClickIn(main, "按钮4");
         Answer(l, "请确认操作", IDYES);
       },
       IDNO},
      {"信息：", [](Launcher, HWND main) { ClickIn(main, "按钮1"); }, IDOK},  // no path set
      {"手动查找CS位置", [](Launcher, HWND main) { ClickIn(main, "按钮6"); }, IDCANCEL},
      {"信息：",  // the search's prompt
       [](Launcher l, HWND main) {
         ClickIn(main, "按钮5");
         const HWND search = l.WaitForWindow(SearchWindow.title);
         const HWND drives = test::ControlOf(search, SearchWindow, "驱动器框1");
         for (int i = 0; i < SendMessageA(drives, CB_GETCOUNT, 0, 0); ++i) {
           if (test::RemoteItemText(drives, i).rfind("S:", 0) == 0) SendMessageA(drives, CB_SETCURSEL, i, 0);
         }
         test::Click(test::ControlOf(search, SearchWindow, "按钮1"));
       },
       IDOK},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.box);
    test::ScratchDir folder;
    ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), folder.File("launcher.exe")));
    test::LauncherProcess launcher(folder.File("launcher.exe"), folder.path());
    const HWND main = launcher.MainWindow();
    ASSERT_NE(main, nullptr);
    row.open(launcher, main);
    HWND box = nullptr;
    ASSERT_TRUE(test::WaitUntil([&] { return (box = test::FindDialog(row.box, launcher.pid())) != nullptr; }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(main); }));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(row.answer, BN_CLICKED), 0);
    const auto another = [&] {
      return test::FindFirstWindow(
          [&](HWND w) { return w != box && test::ProcessOf(w) == launcher.pid() && test::IsVisibleDialog(w); });
    };
    DWORD code = 12345;
    EXPECT_TRUE(test::WaitUntil([&] { return launcher.WaitForExit(&code, 0) || another(); }));
    EXPECT_EQ(test::WindowText(another()), "");
    EXPECT_EQ(code, 0u);
  }
  test::RemoveTree("S:", true);
}

}  // namespace
