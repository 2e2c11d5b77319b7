// Control access from a second thread: carried out on the window thread while it handles messages,
// and refused, without ever blocking the window thread, once a worker has been ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "test_support.h"
#include "ui/model/model.h"
#include "ui/model/threads.h"
#include "ui_test_helpers.h"

namespace {

using namespace ui;

const WindowLayout kWindow = uitest::ProbeWindow("线程测试窗口");

class ModelThreadsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Load(kWindow)); }
  void TearDown() override { uitest::CloseAndWait(kWindow); }
};

TEST_F(ModelThreadsTest, ASecondThreadReadsAndWritesThroughTheWindowThread) {
  std::atomic<bool> done{false};
  std::string readBack;
  int selection = -2;
  int items = 0;
  DWORD handledOn = 0;
  std::thread other([&] {
    SetContent(kWindow, "编辑框1", "D:\\游戏\\cstrike.exe");
    readBack = Content(kWindow, "编辑框1");
    for (int i = 0; i < 50; ++i) InsertItem(kWindow, "组合框1", i, std::to_string(i));
    SetCurrentSelection(kWindow, "组合框1", 99);
    selection = CurrentSelection(kWindow, "组合框1");
    items = ItemCount(kWindow, "组合框1");
    SetDisabled(kWindow, "按钮1", true);
    RunOnWindowThread([&] { handledOn = GetCurrentThreadId(); });
    done = true;
  });
  EXPECT_TRUE(test::WaitUntil([&] { return done.load(); }));
  other.join();
  EXPECT_EQ(readBack, "D:\\游戏\\cstrike.exe");
  EXPECT_EQ(Content(kWindow, "编辑框1"), "D:\\游戏\\cstrike.exe");
  EXPECT_EQ(items, 50);
  EXPECT_EQ(selection, 49);
  EXPECT_TRUE(Disabled(kWindow, "按钮1"));
  EXPECT_EQ(handledOn, GetCurrentThreadId());
}

// While the window thread waits in a message box, another thread's accesses still go through.
TEST_F(ModelThreadsTest, AccessesGoThroughWhileAMessageBoxIsOpen) {
  test::PumpMessages();
  std::atomic<bool> boxSeen{false};
  std::string readBack;
  std::thread other([&] {
    HWND box = nullptr;
    if (!test::PollUntil([&] { return (box = test::FindDialog(kDefaultMessageTitle)) != nullptr; })) return;
    boxSeen = true;
    SetContent(kWindow, "编辑框1", "在对话框打开时写入");
    readBack = Content(kWindow, "编辑框1");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  EXPECT_EQ(ShowMessage("请稍候"), kOk);
  other.join();
  EXPECT_TRUE(boxSeen);
  EXPECT_EQ(readBack, "在对话框打开时写入");
  EXPECT_EQ(Content(kWindow, "编辑框1"), "在对话框打开时写入");
}

// --- Workers ended by the window thread --------------------------------------------------------------

struct WorkerLog {
  std::atomic<int> accesses{0};
  std::atomic<bool> sawRefusal{false};
  std::atomic<bool> abandoned{false};
  std::atomic<int> answer{-100};
  unsigned style = 0;  // of the box the worker shows
  HANDLE aboutToBlock = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ~WorkerLog() { CloseHandle(aboutToBlock); }
};

// Ends the worker, which has ended once EndWorker returns, and closes its handle.
void EndAndClose(HANDLE worker) {
  EndWorker(worker);
  EXPECT_EQ(WaitForSingleObject(worker, 0), WAIT_OBJECT_0) << "EndWorker returned before the thread ended";
  CloseHandle(worker);
}

// Writes and reads back until a read comes back empty (refused), then tries one more write.
DWORD WINAPI AccessUntilRefused(void* p) {
  auto* log = static_cast<WorkerLog*>(p);
  for (;;) {
    SetContent(kWindow, "编辑框1", "worker");
    ++log->accesses;
    if (Content(kWindow, "编辑框1").empty()) break;
  }
  log->sawRefusal = true;
  SetContent(kWindow, "编辑框1", "late");
  log->abandoned = WorkerAbandoned();
  return 0;
}

TEST_F(ModelThreadsTest, AnEndedWorkersAccessesAreRefused) {
  WorkerLog log;
  DWORD id = 0;
  HANDLE worker = StartWorker(AccessUntilRefused, &log, true, &id);
  ASSERT_NE(worker, nullptr);
  EXPECT_NE(id, 0u);
  ASSERT_TRUE(test::WaitUntil([&] { return log.accesses.load() >= 5; }));
  EndAndClose(worker);
  EXPECT_TRUE(log.sawRefusal);
  EXPECT_TRUE(log.abandoned);
  EXPECT_EQ(Content(kWindow, "编辑框1"), "worker");
  // The window thread's own accesses are not refused.
  SetContent(kWindow, "编辑框1", "window thread");
  EXPECT_EQ(Content(kWindow, "编辑框1"), "window thread");
}

// The worker waits in an access that the window thread has not handled yet when EndWorker is called.
DWORD WINAPI BlockInAnAccess(void* p) {
  auto* log = static_cast<WorkerLog*>(p);
  SetEvent(log->aboutToBlock);
  SetContent(kWindow, "编辑框1", "blocked write");
  log->sawRefusal = Content(kWindow, "编辑框1").empty();
  return 0;
}

TEST_F(ModelThreadsTest, EndWorkerReturnsWhileTheWorkerWaitsInAnAccess) {
  SetContent(kWindow, "编辑框1", "before");
  test::PumpMessages();
  WorkerLog log;
  HANDLE worker = StartWorker(BlockInAnAccess, &log, true, nullptr);
  ASSERT_NE(worker, nullptr);
  ASSERT_EQ(WaitForSingleObject(log.aboutToBlock, 10000), WAIT_OBJECT_0);
  // Without handling messages, wait until the worker's access has arrived at this thread.
  ASSERT_TRUE(test::PollUntil([] { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; }));
  EndAndClose(worker);
  EXPECT_TRUE(log.sawRefusal);
  EXPECT_EQ(Content(kWindow, "编辑框1"), "before");
}

DWORD WINAPI AskThePlayer(void* p) {
  auto* log = static_cast<WorkerLog*>(p);
  log->answer = ShowMessage("D:\\cstrike.exe 是否为该文件", log->style);
  SetContent(kWindow, "编辑框1", "after the box");
  return 0;
}

TEST_F(ModelThreadsTest, EndWorkerDismissesTheWorkersMessageBox) {
  for (const unsigned style : {kMsgOkCancel, kMsgYesNoQuestion, kMsgOk}) {
    SCOPED_TRACE(style);
    SetContent(kWindow, "编辑框1", "");
    WorkerLog log;
    log.style = style;
    HANDLE worker = StartWorker(AskThePlayer, &log, true, nullptr);
    ASSERT_NE(worker, nullptr);
    ASSERT_TRUE(test::WaitUntil([] { return test::FindDialog(kDefaultMessageTitle) != nullptr; }));
    EndAndClose(worker);
    EXPECT_EQ(log.answer.load(), kCancel);
    EXPECT_EQ(test::FindDialog(kDefaultMessageTitle), nullptr);
    EXPECT_EQ(Content(kWindow, "编辑框1"), "");
  }
}

TEST_F(ModelThreadsTest, EndWorkerReturnsForAHandleThatCannotResumeTheThread) {
  WorkerLog log;
  HANDLE worker = StartWorker(AccessUntilRefused, &log, true, nullptr);
  ASSERT_NE(worker, nullptr);
  ASSERT_TRUE(test::WaitUntil([&] { return log.accesses.load() >= 2; }));
  HANDLE limited = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), worker, GetCurrentProcess(), &limited,
                              SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0));
  ASSERT_EQ(ResumeThread(limited), static_cast<DWORD>(-1));  // no right to resume
  EndWorker(limited);
  EXPECT_EQ(WaitForSingleObject(worker, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(log.sawRefusal);
  CloseHandle(limited);
  CloseHandle(worker);
}

// A worker that handles its own messages applies none of the windows' keyboard rules: they belong to
// the window thread. Its child of a launcher window gets Esc as it is.
TEST_F(ModelThreadsTest, AWorkersPendingMessagesLeaveTheKeyboardRulesAlone) {
  std::atomic<bool> done{false};
  HWND parent = test::TopLevel(kWindow.title);
  ASSERT_NE(parent, nullptr);
  std::thread other([&] {
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    PostMessageA(child, WM_KEYDOWN, VK_ESCAPE, 1);
    ProcessPendingMessages();
    DestroyWindow(child);
    done = true;
  });
  EXPECT_TRUE(test::WaitUntil([&] { return done.load(); }));
  other.join();
  test::PumpMessages();
  EXPECT_TRUE(IsLoaded(kWindow));
}

TEST_F(ModelThreadsTest, AWorkerStartedSuspendedRunsWhenResumed) {
  WorkerLog log;
  DWORD id = 0;
  HANDLE worker = StartWorker(AccessUntilRefused, &log, false, &id);
  ASSERT_NE(worker, nullptr);
  EXPECT_EQ(ResumeThread(worker), 1u);  // it was suspended
  ASSERT_TRUE(test::WaitUntil([&] { return log.accesses.load() >= 2; }));
  EndAndClose(worker);
  EXPECT_TRUE(log.sawRefusal);

  // Ending a worker that never ran also returns: it is let run into its first, refused access.
  WorkerLog idle;
  HANDLE never = StartWorker(AccessUntilRefused, &idle, false, nullptr);
  ASSERT_NE(never, nullptr);
  SetContent(kWindow, "编辑框1", "kept");
  EndAndClose(never);
  EXPECT_EQ(Content(kWindow, "编辑框1"), "kept");
}

}  // namespace
