// The real launcher.exe on a system of another code page. Started in the Unix locale C.UTF-8, a Wine
// process has code page 1252, as on a Windows in English; this test's own prefix stays zh_CN. The
// launcher's manifest still gives it code page 936, as Windows 11 does. A build of the same sources
// without that manifest element runs as Windows 10 and earlier run the launcher: it says why its
// texts are garbled, in a box that reads right, and then goes on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/code_page_notice.h"
#include "launcher_process.h"
#include "ui/layouts/main_window.h"

namespace {

using test::ControlOf;

std::wstring Wide(const std::string& text, UINT codePage) {
  wchar_t wide[4096] = {};
  MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide, 4096);
  return wide;
}

// A launcher copied into a folder with a Chinese name, the fake game in a Chinese folder beside it.
class OtherCodePage : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder_ + "\\游戏").c_str(), nullptr));
    ASSERT_TRUE(test::CopyTo(test::BesideThisProgram("fake_game.exe"), game_));
  }
  std::unique_ptr<test::LauncherProcess> StartInCUtf8(const std::string& build) {
    EXPECT_TRUE(test::CopyTo(build, folder_ + "\\launcher.exe"));
    auto launcher =
        std::make_unique<test::LauncherProcess>(folder_ + "\\launcher.exe", elsewhere_.path(), "", "C.UTF-8");
    EXPECT_TRUE(launcher->started());
    return launcher;
  }

  test::ScratchDir home_, elsewhere_;
  std::string folder_ = home_.File("启动器 目录");
  std::string game_ = folder_ + "\\游戏\\hl.exe";
};

TEST_F(OtherCodePage, ShowsChineseAndKeepsOptionIniInGbk) {
  const LaunchSettings stored = {.gamePath = game_, .refreshRateIndex = 2, .colorDepthIndex = 1, .noForceMouseParms = true};
  const std::string ini = test::OptionIni(stored);
  test::WriteFileBytes(folder_ + "\\option.ini", ini);
  auto launcher = StartInCUtf8(test::BuiltLauncher());
  const HWND main = launcher->MainWindow();  // found by its Chinese title
  ASSERT_NE(main, nullptr);
  for (const ui::ControlLayout& c : MainWindow.controls) {
    const std::string text = test::WindowText(ControlOf(main, MainWindow, c.name));
    const std::string name = c.name;
    if (name == main_window::kMouseStateLabel || name == main_window::kMouseAccelButton) {
      EXPECT_TRUE(text.find("鼠标加速") != std::string::npos) << text;  // the mouse state, set at start
    } else if (c.cls != ui::ControlClass::ComboBox && c.cls != ui::ControlClass::CommonDlg) {
      EXPECT_EQ(text, c.cls == ui::ControlClass::EditBox ? game_ : c.caption) << c.name;
    }
  }
  EXPECT_EQ(test::ShownSettings(main), stored);

  test::Click(ControlOf(main, MainWindow, "按钮1"));  // 启动 CS: saves, then starts the game
  const std::string log = folder_ + "\\游戏\\game.log";
  ASSERT_TRUE(test::WaitUntil([&] { return test::GameStarts(log).size() == 1; }));
  const test::GameStart start = test::GameStarts(log)[0];
  EXPECT_NE(start.commandLine.find(game_), std::string::npos) << start.commandLine;
  // The game works in the launcher's own folder, as the launcher does (it was started elsewhere).
  EXPECT_EQ(start.folder, folder_);
  EXPECT_EQ(test::ReadFileBytes(folder_ + "\\option.ini"), ini);
}

TEST_F(OtherCodePage, WithoutTheManifestsCodePageSaysWhyInABoxThatReadsRightThenGoesOn) {
  // A folder whose name ends in a lead byte of code page 936 that is a letter of its own in 1252 (é, E9).
  folder_ = home_.File("café");
  ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  ASSERT_TRUE(test::CopyTo(test::BesideThisProgram("fake_game.exe"), folder_ + "\\hl.exe"));
  auto launcher = StartInCUtf8(test::BesideThisProgram("launcher_system_code_page.exe"));
  const DWORD pid = launcher->pid();
  HWND box = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (box = test::FindDialog(nullptr, pid)) != nullptr; }));
  EXPECT_EQ(test::TopLevels(nullptr, pid, true), std::vector<HWND>{box});  // before the main window
  EXPECT_EQ(test::WideWindowText(box), Wide(kCodePageNoticeTitle, 936));
  // The notice's own texts (its unit test reads them) for the code page found, read right.
  EXPECT_EQ(test::WideWindowText(GetDlgItem(box, 0xFFFF)), Wide(CodePageNotice(1252), 936));
  EXPECT_NE(test::WideWindowText(GetDlgItem(box, 0xFFFF)).find(L"代码页是 1252，"), std::wstring::npos);

  test::Click(GetDlgItem(box, IDOK));
  HWND main = nullptr;
  // The main window, its title read in code page 1252 as today (a window that only comes and goes while
  // the box closes is not it).
  ASSERT_TRUE(test::WaitUntil([&] {
    for (HWND w : test::TopLevels(nullptr, pid, true)) {
      if (test::WideWindowText(w) == Wide(MainWindow.title, 1252)) main = w;
    }
    return main != nullptr;
  }));
  EXPECT_EQ(test::FindDialog(nullptr, pid), nullptr);

  // 启动 CS saves option.ini in the exe's own folder, cut from its path by code page 1252's rule, then
  // starts the game, which logs beside itself.
  const std::string game = folder_ + "\\hl.exe";
  SendMessageA(ControlOf(main, MainWindow, "编辑框1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(game.c_str()));
  test::Click(ControlOf(main, MainWindow, "按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return test::FileExists(folder_ + "\\game.log"); }));
  EXPECT_TRUE(test::FileExists(folder_ + "\\option.ini"));
  EXPECT_FALSE(test::FileExists(home_.File("option.ini")));
}

}  // namespace
