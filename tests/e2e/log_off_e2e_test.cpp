// The log-off offered after the mouse switch, for real. Under Wine a log-off ends every process of the
// prefix, this test's own included, so it runs only when scripts/logoff-test.sh starts it in a
// throwaway copy of the test prefix and judges the outcome from outside; anywhere else it is skipped.
// It leaves marks in the file named by LAUNCHER_LOGOFF_MARKS: the switch's direction as its caption
// shows it ("restore" or "switch off"), "clicked" once it is pressed, "survived" if the log-off did not
// end this process.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/handles.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

void Mark(const char* what) {
  const char* file = std::getenv("LAUNCHER_LOGOFF_MARKS");
  if (!file) return;
  std::ofstream out(file, std::ios::app | std::ios::binary);
  out << what << "\n";
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};
BOOL CALLBACK MatchMainWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->processId || !IsWindowVisible(hwnd) || test::WindowText(hwnd) != MainWindow.title) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

TEST(LogOffInThrowawayPrefix, YesToBothQuestionsEndsTheSession) {
  const char* throwaway = std::getenv("LAUNCHER_THROWAWAY_PREFIX");
  if (!throwaway || std::string(throwaway) != "1") GTEST_SKIP() << "only in a throwaway prefix";

  const char* unixPath = std::getenv("LAUNCHER_EXE");
  ASSERT_NE(unixPath, nullptr);
  std::string commandLine = "\"Z:";
  commandLine += unixPath;
  commandLine += '"';
  for (char& c : commandLine) c = c == '/' ? '\\' : c;
  test::ScratchDir scratch;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             scratch.path().c_str(), &startup, &info));
  UniqueKernelHandle process(info.hProcess);
  UniqueKernelHandle thread(info.hThread);

  WindowSearch window{info.dwProcessId, nullptr};
  ASSERT_TRUE(test::WaitUntil([&] {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&window));
    return window.found != nullptr;
  }));
  HWND button = GetDlgItem(window.found, ui::ControlId(MainWindow, "按钮4"));
  ASSERT_NE(button, nullptr);

  test::BoxAnswerer answerer(info.dwProcessId);
  answerer.Answer(IDYES);  // switch
  answerer.Answer(IDYES);  // log off now
  Mark(test::WindowText(button) == "恢复鼠标加速度" ? "restore" : "switch off");
  Mark("clicked");
  // The handler does not return before the log-off, so the press must not wait for it.
  SendNotifyMessageA(button, BM_CLICK, 0, 0);

  test::WaitUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; });
  Mark("survived");
  ADD_FAILURE() << "the log-off left this process running; boxes answered: " << answerer.SeenCount();
}
