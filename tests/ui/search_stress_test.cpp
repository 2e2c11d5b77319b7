// Hundreds of searches started, stopped, restarted and ended with 退出 against a larger tree with
// candidates whose prompts come and go: no hang, and no growth of the process's handles or threads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locate/drive_search.h"
#include "search_fixture.h"
#include "test_support.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"

namespace {

using StressTest = search_test::SearchWindowTest;

constexpr int kCycles = 300;

TEST_F(StressTest, StartStopAndExitCyclesLeakNoHandlesOrThreads) {
  std::vector<std::string> tree = search_test::NumberedFiles("f%02d\\sub\\%02d.txt", 30, 40);
  for (const char* folder : {"f03", "f13", "f23"}) tree.push_back(std::string(folder) + "\\hl.exe");
  search_test::MakeTree(tree);
  test::BoxAnswerer boxes;  // answers some prompts with Cancel; others are ended with the walk

  auto cycle = [&](int i) {
    search_test::Recorded().clear();
    OnStartSearchClicked();
    const size_t shown = static_cast<size_t>(i % 7) * 15;
    test::WaitUntil([&] { return search_test::Recorded().size() >= shown || WalkEnded(); });
    switch (i % 4) {
      case 0:  // 停止, then wait for the walk to notice
        OnStopSearchClicked();
        if (i % 8 == 0) boxes.Answer(IDCANCEL);
        ASSERT_TRUE(
            test::WaitUntil([] { return WalkEnded() || test::FindDialog(ui::kDefaultMessageTitle) != nullptr; }));
        break;
      case 1:  // 搜索 again while the walk runs
        OnStartSearchClicked();
        break;
      case 2:  // 退出, then open the window again
        OnExitSearchClicked();
        ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(SearchWindow); }));
        Reopen();
        break;
      default:  // 停止 and 搜索 at once
        OnStopSearchClicked();
        OnStartSearchClicked();
        break;
    }
  };

  // The first cycles settle what the model and the system keep for good (classes, caches).
  for (int i = 0; i < 8; ++i) cycle(i);
  OnExitSearchClicked();
  ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(SearchWindow); }));
  Reopen();
  const DWORD handlesBefore = search_test::HandleCount();
  ASSERT_GT(handlesBefore, 0u);
  const DWORD threadsBefore = search_test::ThreadCount();

  for (int i = 0; i < kCycles; ++i) {
    cycle(i);
    if (HasFatalFailure()) return;
  }
  OnExitSearchClicked();
  ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(SearchWindow); }));
  EXPECT_EQ(WorkerHandle.load(), nullptr);
  EXPECT_EQ(test::FindDialog(ui::kDefaultMessageTitle), nullptr);
  Reopen();

  // A leak of one handle or thread per cycle would show as hundreds.
  EXPECT_LE(search_test::HandleCount(), handlesBefore + 10);
  EXPECT_LE(search_test::ThreadCount(), threadsBefore);
}

}  // namespace
