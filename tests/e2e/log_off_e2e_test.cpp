// The log-off offered after the mouse switch, for real. Under Wine a log-off reaches every program of
// the prefix, so it runs only when tests/log_off/log_off_test.sh starts it in a throwaway copy of the test
// prefix, beside another program of the session, and judges the outcome from outside; anywhere else it
// is skipped. It leaves marks in the file named by LAUNCHER_LOGOFF_MARKS: the switch's direction as its
// caption shows it ("restore" or "switch off"), "clicked" once it is pressed, then "launcher ended" or
// "launcher runs". When LAUNCHER_LOGOFF_REFUSER names the record of a program that refuses, it waits
// for the log-off to be cancelled, marks "new state shown" or "old state shown" for what the running
// launcher shows, and closes it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "launcher_process.h"
#include "ui/layouts/main_window.h"

namespace {

void Mark(const char* what) {
  const char* file = std::getenv("LAUNCHER_LOGOFF_MARKS");
  if (!file) return;
  std::ofstream out(file, std::ios::app | std::ios::binary);
  out << what << "\n";
}

}  // namespace

TEST(LogOffInThrowawayPrefix, YesToBothQuestionsLogsOff) {
  const char* throwaway = std::getenv("LAUNCHER_THROWAWAY_PREFIX");
  if (!throwaway || std::string(throwaway) != "1") GTEST_SKIP() << "only in a throwaway prefix";

  ASSERT_NE(std::getenv("LAUNCHER_EXE"), nullptr);
  test::ScratchDir scratch;
  test::LauncherProcess launcher(test::LauncherExe(), scratch.path());
  ASSERT_TRUE(launcher.started());

  // The copy's first programs start its Wine server and services: slow on a loaded machine.
  constexpr DWORD kPatienceMs = 180000;
  HWND main = launcher.MainWindow(kPatienceMs);
  ASSERT_NE(main, nullptr);
  HWND button = test::ControlOf(main, MainWindow, "按钮4");
  ASSERT_NE(button, nullptr);

  test::BoxAnswerer answerer(launcher.pid());
  answerer.Answer(IDYES);  // switch
  answerer.Answer(IDYES);  // log off now
  const bool restore = test::WindowText(button) == "恢复鼠标加速度";
  Mark(restore ? "restore" : "switch off");
  Mark("clicked");
  // The handler does not return before the log-off, so the press must not wait for it.
  SendNotifyMessageA(button, BM_CLICK, 0, 0);

  const char* refuser = std::getenv("LAUNCHER_LOGOFF_REFUSER");
  if (refuser && *refuser) {
    ASSERT_TRUE(test::WaitUntil([&] { return test::ReadFileBytes(refuser).find("cancelled") != std::string::npos; },
                                kPatienceMs));
    // The curves written, Windows 7's defaults on a restore: on, else off.
    const HWND label = test::ControlOf(main, MainWindow, "标签5");
    const bool shown = test::WaitUntil([&] {
      return test::WindowText(label) == (restore ? "鼠标加速:未关" : "鼠标加速:已关") &&
             test::WindowText(button) == (restore ? "关闭鼠标加速度" : "恢复鼠标加速度");
    });
    Mark(shown ? "new state shown" : "old state shown");
    PostMessageA(main, WM_CLOSE, 0, 0);
  }

  // This process has no window: under Wine a log-off that asks the programs leaves it running (Windows
  // would end it with the session), so it can tell whether the launcher was ended.
  Mark(launcher.WaitForExit(nullptr, kPatienceMs) ? "launcher ended" : "launcher runs");
  EXPECT_EQ(answerer.SeenCount(), 2u);
}
