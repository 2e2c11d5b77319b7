// The model's fatal error: touching a window that is not loaded shows the error box and ends the
// process with exit code -1. The process that errs is this test executable started once more, running
// only one of the disabled helper tests below; this process answers its box from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

using namespace ui;

const WindowLayout kNeverLoaded = uitest::ProbeWindow("从未载入");
const WindowLayout kClosed = uitest::ProbeWindow("已关闭");

// Helpers run in the child process only.
TEST(FatalErrorChild, DISABLED_ReadsAWindowNeverLoaded) {
  (void)Content(kNeverLoaded, "编辑框1");
  ADD_FAILURE() << "the model let the access through";
}

TEST(FatalErrorChild, DISABLED_WritesAWindowAlreadyClosed) {
  ASSERT_TRUE(Load(kClosed));
  SetContent(kClosed, "编辑框1", "还在");
  ASSERT_TRUE(uitest::CloseAndWait(kClosed));
  // As after the last window has gone: the quit message must not close the error box unseen.
  PostQuitMessage(0);
  SetContent(kClosed, "编辑框1", "已关闭");
  ADD_FAILURE() << "the model let the access through";
}

TEST(FatalErrorChild, DISABLED_ShowsAClosedWindow) {
  ASSERT_TRUE(Load(kClosed));
  ASSERT_TRUE(uitest::CloseAndWait(kClosed));
  SetVisible(kClosed, true);
  ADD_FAILURE() << "the model let the access through";
}

struct ChildResult {
  DWORD exitCode = 0;
  std::vector<std::string> boxes;  // as "title: text"
};

ChildResult RunChild(const char* helper) {
  std::string command =
      "\"" + test::ThisProgram() + "\" --gtest_also_run_disabled_tests --gtest_filter=FatalErrorChild." + helper;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ChildResult result;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start " << command;
    return result;
  }
  {
    test::BoxAnswerer answerer(pi.dwProcessId);
    answerer.Answer(IDOK);
    answerer.Answer(IDOK);  // a second box would be a fault too; let it be seen and closed
    const bool ended = test::WaitUntil([&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; });
    if (!ended) {
      TerminateProcess(pi.hProcess, 99);
      ADD_FAILURE() << helper << " did not end";
    }
    result.boxes = answerer.SeenTexts();
  }
  GetExitCodeProcess(pi.hProcess, &result.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return result;
}

constexpr const char* kNotLoadedText = "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n";

TEST(FatalError, TouchingAWindowNeverLoadedOrClosedEndsTheProcess) {
  for (const char* helper :
       {"DISABLED_ReadsAWindowNeverLoaded", "DISABLED_WritesAWindowAlreadyClosed", "DISABLED_ShowsAClosedWindow"}) {
    SCOPED_TRACE(helper);
    const ChildResult r = RunChild(helper);
    EXPECT_EQ(r.exitCode, 0xFFFFFFFFu);
    EXPECT_EQ(r.boxes, std::vector<std::string>{std::string("错误: ") + kNotLoadedText});
  }
}

}  // namespace
