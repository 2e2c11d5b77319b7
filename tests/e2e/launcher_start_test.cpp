// The real launcher.exe started from outside: from another working directory and with arguments it
// shows MainWindow, Esc ends it with code 0, and closing MainWindow while SearchWindow is open ends it
// too. (That it works in its own folder shows in the game it starts: launch_test, code_page_e2e_test.)
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "launcher_process.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"

namespace {

// A copy of launcher.exe in a folder of its own (with a Chinese name), started from another folder.
class LauncherStart : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = home_.File("启动器 目录");
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), folder_ + "\\launcher.exe"));
    launcher_ = std::make_unique<test::LauncherProcess>(folder_ + "\\launcher.exe", elsewhere_.path(),
                                                        "-game cstrike /参数 \"带 空格\"");
    ASSERT_TRUE(launcher_->started());
    main_ = launcher_->MainWindow();
    ASSERT_NE(main_, nullptr) << "MainWindow did not show";
  }

  test::ScratchDir home_, elsewhere_;
  std::string folder_;
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

}  // namespace
