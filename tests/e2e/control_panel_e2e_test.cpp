// The two control panel shortcuts of the real launcher.exe, driven from outside: the system's
// rundll32.exe is swapped for a fake that logs its command line, and Wine is told to run that file.
// Wine takes WINEDLLOVERRIDES only from the environment its first process started with, so the
// override goes into the prefix's registry instead, for the length of the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "launcher_process.h"
#include "scratch_registry.h"
#include "ui/layouts/main_window.h"

namespace {

std::string SystemDirectory() {
  char dir[MAX_PATH] = {};
  GetSystemDirectoryA(dir, sizeof dir);
  return dir;
}

// Puts the fake in place of rundll32.exe and has Wine run the file rather than its own; puts the real
// one back at the end. A real one left aside by an interrupted run is put back first.
class FakeRundll32 {
 public:
  FakeRundll32() : real_(SystemDirectory() + "\\rundll32.exe"), kept_(real_ + ".launcher-test") {
    if (test::FileExists(kept_)) MoveFileExA(kept_.c_str(), real_.c_str(), MOVEFILE_REPLACE_EXISTING);
    overridden_ = test::WriteValue(HKEY_CURRENT_USER, kOverrides, "rundll32.exe",
                                   {REG_SZ, std::string("native,builtin", sizeof "native,builtin")});
    if (!overridden_) return;
    const std::string fake = test::BesideThisProgram("fake_rundll32.exe");
    installed_ = MoveFileExA(real_.c_str(), kept_.c_str(), MOVEFILE_REPLACE_EXISTING) &&
                 CopyFileA(fake.c_str(), real_.c_str(), FALSE);
  }
  ~FakeRundll32() {
    if (overridden_) test::WriteValue(HKEY_CURRENT_USER, kOverrides, "rundll32.exe", {});
    if (!test::FileExists(kept_)) return;  // the real one was never moved aside
    DeleteFileA(real_.c_str());
    MoveFileExA(kept_.c_str(), real_.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  FakeRundll32(const FakeRundll32&) = delete;
  FakeRundll32& operator=(const FakeRundll32&) = delete;
  bool installed() const { return installed_; }

 private:
  static constexpr const char* kOverrides = "Software\\Wine\\DllOverrides";
  std::string real_, kept_;
  bool overridden_ = false;
  bool installed_ = false;
};

}  // namespace

TEST(ControlPanelShortcuts, RunRundll32FromTheSystemDirectory) {
  ASSERT_NE(std::getenv("LAUNCHER_EXE"), nullptr) << "LAUNCHER_EXE names the launcher (ctest sets it)";
  test::ScratchDir scratch;
  const std::string log = scratch.File("rundll32.log");
  FakeRundll32 fake;
  ASSERT_TRUE(fake.installed());

  // The launcher inherits this, and its WinExec children inherit it from the launcher.
  SetEnvironmentVariableA("FAKE_RUNDLL32_LOG", log.c_str());

  test::LauncherProcess launcher(test::LauncherExe(), scratch.path());
  ASSERT_TRUE(launcher.started());
  SetEnvironmentVariableA("FAKE_RUNDLL32_LOG", nullptr);

  HWND main = launcher.MainWindow();
  ASSERT_NE(main, nullptr);
  const std::string system = SystemDirectory();
  const std::vector<std::string> expected = {
      system + "\\rundll32.exe shell32.dll,Control_RunDLL main.cpl @0,2",
      system + "\\rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,4",
      system + "\\rundll32.exe shell32.dll,Control_RunDLL main.cpl @0,2",
  };
  // One press at a time, each waited for, so that the log's order is the order of the presses. A
  // second press starts a further process. (A posted BM_CLICK did not reach the handler under Wine.)
  const char* const presses[] = {"按钮3", "按钮9", "按钮3"};  // mouse, display, mouse
  for (size_t i = 0; i < 3; ++i) {
    const HWND button = test::ControlOf(main, MainWindow, presses[i]);
    ASSERT_NE(button, nullptr) << presses[i];
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return test::Lines(test::ReadFileBytes(log)).size() > i; })) << i;
  }
  EXPECT_EQ(test::Lines(test::ReadFileBytes(log)), expected);

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(launcher.WaitForExit(nullptr, 20000));
}
