// The drive search in the real windows: SearchWindow opened from MainWindow walks a scratch folder
// mapped to a drive letter; every text its search box is given is recorded, and the worker's prompts
// are answered from a helper thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "listing_hook.h"
#include "locate/drive_search.h"
#include "search_fixture.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"

namespace {

using search_test::Recorded;
using search_test::Root;
using Texts = std::vector<std::string>;

constexpr const char* kNotFound = "没有找到CS文件";
constexpr const char* kPromptTitle = ui::kDefaultMessageTitle;

// Built with append: GCC 12 wrongly warns about some concatenations of a string and a literal.
std::string P(const std::string& below) { return Root().append(below); }
// The prompt about a path, as BoxAnswerer::SeenTexts gives it.
std::string Prompt(const std::string& path) {
  return std::string(kPromptTitle).append(": ").append(path).append(" 是否为该文件");
}

std::string SearchBox() { return ui::Content(SearchWindow, "编辑框1"); }
std::string MainPath() { return ui::Content(MainWindow, "编辑框1"); }

bool ControlsEnabled() {
  return !ui::Disabled(SearchWindow, "驱动器框1") && !ui::Disabled(SearchWindow, "按钮1") &&
         !ui::Disabled(SearchWindow, "按钮2") && !ui::Disabled(SearchWindow, "按钮3");
}

// A copy of the running worker's handle, to see it end after the window's own copy has been closed.
HANDLE DuplicateWorker() {
  HANDLE copy = nullptr;
  DuplicateHandle(GetCurrentProcess(), WorkerHandle.load(), GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
  return copy;
}

const std::vector<std::string> kSmallTree = {"a\\x.txt", "a\\y\\z.txt", "b.txt", "c\\"};

Texts SmallTreeWalk() {
  return {P("a"),        P("a\\."),   P("a\\x.txt"), P("a\\y"), P("a\\y\\."), P("a\\y\\z.txt"), P("a\\y\\"),
          P("a\\"),      P("b.txt"),  P("c"),        P("c\\."), P("c\\"),     Root(),           kNotFound};
}

// Every box of a test is answered, in order, with what the test queues in `boxes`.
class SearchTest : public search_test::SearchWindowTest {
 protected:
  // Runs a walk to its end with these answers queued.
  void Walk(const std::vector<int>& answers = {}) {
    for (int answer : answers) boxes.Answer(answer);
    OnStartSearchClicked();
    WaitForWalkEnd();
  }
  // Starts a walk and, holding the answers back, waits until its prompt is open.
  void StartUntilPrompt() {
    boxes.SetHold(true);
    OnStartSearchClicked();
    ASSERT_TRUE(test::WaitUntil([] { return test::FindDialog(kPromptTitle) != nullptr; }));
  }
  // Lets the held answers go, these queued first.
  void Release(const std::vector<int>& answers) {
    for (int answer : answers) boxes.Answer(answer);
    boxes.SetHold(false);
  }
  Texts Prompts() const { return boxes.SeenTexts(); }
  void EndWithPromptOpen(void (*end)());

  test::BoxAnswerer boxes;
};

TEST_F(SearchTest, ShowsEveryPathOfATreeInWalkOrderAndEndsWithNotFound) {
  search_test::MakeTree(kSmallTree);
  OnStopSearchClicked();  // before any search: no effect on the next one
  OnStartSearchClicked();
  EXPECT_TRUE(ui::Disabled(SearchWindow, "驱动器框1"));
  WaitForWalkEnd();
  EXPECT_EQ(Recorded(), SmallTreeWalk());
  EXPECT_EQ(SearchBox(), kNotFound);
  EXPECT_TRUE(ControlsEnabled());
  EXPECT_EQ(boxes.SeenCount(), 0u);
}

TEST_F(SearchTest, DeclinedCandidateIsPassedAndConfirmedOneGoesToMainWindow) {
  search_test::MakeTree({"g1\\hl.exe", "g2\\cstrike.exe", "g3\\hl.exe"});
  ui::SetContent(MainWindow, "编辑框1", "D:\\旧的\\hl.exe");
  const HWND window = test::TopLevel(SearchWindow.title);
  Walk({IDCANCEL, IDOK});

  EXPECT_EQ(Prompts(), (Texts{Prompt(P("g1\\hl.exe")), Prompt(P("g2\\cstrike.exe"))}));
  // The worker's own boxes, not the window thread's.
  for (const auto& box : boxes.Seen()) EXPECT_NE(box.threadId, GetCurrentThreadId());
  EXPECT_EQ(MainPath(), P("g2\\cstrike.exe"));
  EXPECT_FALSE(ui::Visible(SearchWindow));
  EXPECT_EQ(SearchBox(), P("g2\\cstrike.exe"));
  EXPECT_EQ(Recorded().back(), P("g2\\cstrike.exe"));  // nothing shown after the find
  EXPECT_TRUE(ControlsEnabled());

  // MainWindow's 搜索 brings the same window back, still showing the confirmed path.
  OnOpenSearchClicked();
  EXPECT_TRUE(ui::Visible(SearchWindow));
  EXPECT_EQ(test::TopLevel(SearchWindow.title), window);
  EXPECT_EQ(SearchBox(), P("g2\\cstrike.exe"));
  EXPECT_TRUE(ControlsEnabled());
}

TEST_F(SearchTest, MarkersAreMatchedExactlyAndAPathWithBothIsAskedTwice) {
  search_test::MakeTree({"d\\hl.exe\\cstrike.exe", "e\\CSTRIKE.EXE", "e\\Hl.exe"});
  Walk(std::vector<int>(8, IDCANCEL));
  // A folder named after a marker is asked about itself, with every entry below it and with its own
  // text when its listing runs out; "." below it is only shown.
  EXPECT_EQ(Prompts(),
            (Texts{Prompt(P("d\\hl.exe")), Prompt(P("d\\hl.exe\\cstrike.exe")), Prompt(P("d\\hl.exe\\cstrike.exe")),
                   Prompt(P("d\\hl.exe\\"))}));
  const Texts shown = Recorded();
  EXPECT_NE(std::find(shown.begin(), shown.end(), P("e\\CSTRIKE.EXE")), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), P("e\\Hl.exe")), shown.end());
  // Every candidate declined: the walk ran to its end.
  EXPECT_EQ(SearchBox(), kNotFound);
}

TEST_F(SearchTest, EveryEntryOfEveryFolderIsSeen) {
  // A folder whose name ends in a two-byte character with 0x5C as its second byte (乗 is 81 5C), and a
  // file whose only attribute is "normal" (its archive bit cleared by a backup tool or a CD copy).
  search_test::MakeTree({"游戏乗\\hl.exe", "n\\cstrike.exe"});
  search_test::ListingHook listings;
  listings.ReportAttributes("cstrike.exe", FILE_ATTRIBUTE_NORMAL);
  Walk({IDCANCEL, IDCANCEL});
  const Texts prompts = Prompts();  // in the order the listing gives
  EXPECT_EQ(std::multiset<std::string>(prompts.begin(), prompts.end()),
            (std::multiset<std::string>{Prompt(P("游戏乗\\hl.exe")), Prompt(P("n\\cstrike.exe"))}));
  EXPECT_EQ(SearchBox(), kNotFound);
}

TEST_F(SearchTest, ALinkBackToTheWalksOwnPathIsTestedButNotEnteredAndOneElsewhereIsEntered) {
  // Two links in w lead back to w and to the root; a third leads to the game's folder.
  search_test::MakeTree({"game\\hl.exe", "w\\"});
  search_test::MakeLink("w\\a", ".");
  search_test::MakeLink("w\\b", "..");
  search_test::MakeLink("w\\c", "../game");
  Walk({IDCANCEL, IDCANCEL, IDCANCEL});
  EXPECT_EQ(Recorded(), (Texts{P("game"), P("game\\."), P("game\\hl.exe"), P("game\\"), P("w"), P("w\\."),
                               P("w\\a"), P("w\\b"), P("w\\c"), P("w\\c\\."), P("w\\c\\hl.exe"), P("w\\c\\"),
                               P("w\\"), Root(), kNotFound}));
  EXPECT_EQ(Prompts(), (Texts{Prompt(P("game\\hl.exe")), Prompt(P("w\\c\\hl.exe"))}));
}

TEST_F(SearchTest, AFolderBeginningWithADotIsNotEnteredButSuchAFileIsTested) {
  search_test::MakeTree({".game\\hl.exe", "x\\.hl.exe"});
  Walk({IDCANCEL});
  EXPECT_EQ(Recorded(), (Texts{P(".game"), P("x"), P("x\\."), P("x\\.hl.exe"), P("x\\"), Root(), kNotFound}));
  EXPECT_EQ(Prompts(), (Texts{Prompt(P("x\\.hl.exe"))}));
}

TEST_F(SearchTest, TheGameFolderAsTheRootsOnlyEntryIsFound) {
  search_test::MakeTree({"cs\\hl.exe"});
  Walk({IDOK});
  EXPECT_EQ(Recorded(), (Texts{P("cs"), P("cs\\."), P("cs\\hl.exe")}));
  EXPECT_EQ(Prompts(), (Texts{Prompt(P("cs\\hl.exe"))}));
  EXPECT_EQ(MainPath(), P("cs\\hl.exe"));
  EXPECT_FALSE(ui::Visible(SearchWindow));
}

TEST_F(SearchTest, GameFilesListedFirstInTheRootAreAskedAbout) {
  search_test::MakeTree({"cstrike.exe", "hl.exe"});
  Walk({IDCANCEL, IDCANCEL});
  EXPECT_EQ(Prompts(), (Texts{Prompt(P("cstrike.exe")), Prompt(P("hl.exe"))}));
  EXPECT_EQ(Recorded(), (Texts{P("cstrike.exe"), P("hl.exe"), Root(), kNotFound}));
}

TEST_F(SearchTest, EachTestUsesWhatTheBoxHoldsWhenItIsReadBack) {
  search_test::MakeTree({"p\\cstrike.exe"});
  ASSERT_NO_FATAL_FAILURE(StartUntilPrompt());
  // The player types over the path while the first prompt is open.
  ui::SetContent(SearchWindow, "编辑框1", "D:\\其他\\hl.exe");
  Release({IDCANCEL, IDOK});
  WaitForWalkEnd();
  EXPECT_EQ(Prompts(), (Texts{Prompt(P("p\\cstrike.exe")), Prompt("D:\\其他\\hl.exe")}));
  EXPECT_EQ(MainPath(), "D:\\其他\\hl.exe");
}

TEST_F(SearchTest, StopEndsTheWalkKeepingTheLastPathShown) {
  const std::vector<std::string> tree = search_test::NumberedFiles("f%d\\%d", 4, 3);
  search_test::MakeTree(tree);
  // The walk is held in the second folder's listing while 停止 is pressed.
  search_test::ListingHook listings;
  listings.Hold(P("f1\\*"));
  OnStartSearchClicked();
  ASSERT_TRUE(test::WaitUntil([&] { return listings.Held(); }));
  EXPECT_TRUE(ui::Disabled(SearchWindow, "按钮1"));  // by the worker, before it shows anything
  OnStopSearchClicked();
  EXPECT_FALSE(ui::Disabled(SearchWindow, "按钮1"));
  EXPECT_FALSE(ui::Disabled(SearchWindow, "驱动器框1"));
  listings.Release();
  WaitForWalkEnd();
  EXPECT_EQ(Recorded(), (Texts{P("f0"), P("f0\\."), P("f0\\0"), P("f0\\1"), P("f0\\2"), P("f0\\"), P("f1")}));
  EXPECT_EQ(SearchBox(), P("f1"));
  EXPECT_TRUE(ControlsEnabled());
}

TEST_F(SearchTest, StopRightAfterSearchEndsEachWalkAtOnce) {
  // 停止 handled before the worker has begun: the walk ends at its first check, round after round.
  search_test::MakeTree({"a\\hl.exe"});
  for (int round = 0; round < 9; ++round) boxes.Answer(IDCANCEL);
  for (int round = 0; round < 8; ++round) {
    OnStartSearchClicked();
    OnStopSearchClicked();
    WaitForWalkEnd();
    EXPECT_EQ(Recorded(), Texts{}) << "round " << round;
    EXPECT_TRUE(ControlsEnabled());
  }
  EXPECT_EQ(boxes.SeenCount(), 0u);
  Walk();
  EXPECT_EQ(Recorded(), (Texts{P("a"), P("a\\."), P("a\\hl.exe"), P("a\\"), Root(), kNotFound}));
  EXPECT_EQ(boxes.SeenCount(), 1u);
}

TEST_F(SearchTest, StopWhileThePromptIsOpenBringsNoFurtherPrompt) {
  // The path names both executables: declining the first prompt after 停止 ends the walk there.
  search_test::MakeTree({"d\\cstrike.exe.hl.exe"});
  ASSERT_NO_FATAL_FAILURE(StartUntilPrompt());
  OnStopSearchClicked();
  Release({IDCANCEL, IDCANCEL});
  WaitForWalkEnd();
  EXPECT_EQ(Prompts(), (Texts{Prompt(P("d\\cstrike.exe.hl.exe"))}));
  EXPECT_EQ(SearchBox(), P("d\\cstrike.exe.hl.exe"));
  EXPECT_TRUE(ControlsEnabled());
}

TEST_F(SearchTest, SearchClickedWhileTheWindowClosesStartsNoWalk) {
  // 停止 while the walk waits in a slow listing, then the close box, then 搜索 while the close waits
  // for that walk to end.
  search_test::MakeTree({"slow\\a.txt", "z\\hl.exe"});
  search_test::ListingHook listings;
  listings.Hold(P("slow\\*"));
  boxes.Answer(IDOK);  // would answer the fatal-error box, were one shown
  OnStartSearchClicked();
  ASSERT_TRUE(test::WaitUntil([&] { return listings.Held(); }));
  OnStopSearchClicked();
  const HANDLE worker = DuplicateWorker();
  const size_t shownBefore = Recorded().size();

  const HWND window = test::TopLevel(SearchWindow.title);
  const int searchId = ui::ControlId(SearchWindow, "按钮1");
  PostMessageA(window, WM_CLOSE, 0, 0);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(searchId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, searchId)));
  // Handled inside the close's wait, after the click: the slow listing comes back.
  test::PostToSelf([&] { listings.Release(); });
  ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(SearchWindow); }));
  EXPECT_EQ(WaitForSingleObject(worker, test::kDefaultTimeoutMs), WAIT_OBJECT_0);
  CloseHandle(worker);
  EXPECT_EQ(WorkerHandle.load(), nullptr);
  EXPECT_EQ(Recorded().size(), shownBefore);
  EXPECT_EQ(boxes.SeenCount(), 0u);
  EXPECT_TRUE(ui::IsLoaded(MainWindow));
}

// 退出 or Esc while the worker's prompt is open.
void SearchTest::EndWithPromptOpen(void (*end)()) {
  search_test::MakeTree({"a\\hl.exe", "b\\c.txt"});
  ui::SetContent(MainWindow, "编辑框1", "D:\\旧的\\hl.exe");
  ASSERT_NO_FATAL_FAILURE(StartUntilPrompt());
  const HANDLE worker = DuplicateWorker();
  ASSERT_NE(worker, nullptr);
  const size_t shownBefore = Recorded().size();

  end();
  ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(SearchWindow); }));
  EXPECT_EQ(test::FindDialog(kPromptTitle), nullptr);
  EXPECT_EQ(WaitForSingleObject(worker, 0), WAIT_OBJECT_0);
  CloseHandle(worker);
  EXPECT_EQ(WorkerHandle.load(), nullptr);
  EXPECT_EQ(Recorded().size(), shownBefore);
  EXPECT_EQ(MainPath(), "D:\\旧的\\hl.exe");
  // The launcher goes on: MainWindow takes changes, and the search window opens afresh.
  ui::SetContent(MainWindow, "编辑框1", "D:\\新的\\hl.exe");
  EXPECT_EQ(MainPath(), "D:\\新的\\hl.exe");
  OnOpenSearchClicked();
  EXPECT_TRUE(ui::Visible(SearchWindow));
  EXPECT_EQ(SearchBox(), "");
  EXPECT_TRUE(ControlsEnabled());
}

TEST_F(SearchTest, ExitWithAPromptOpenEndsTheWalkAndClosesTheWindow) { EndWithPromptOpen(OnExitSearchClicked); }

TEST_F(SearchTest, EscWithAPromptOpenEndsTheWalkAndClosesTheWindow) {
  EndWithPromptOpen([] { PostMessageA(search_test::SearchBoxHwnd(), WM_KEYDOWN, VK_ESCAPE, 0); });
}

TEST_F(SearchTest, ClosingMainWindowEndsARunningWalk) {
  search_test::MakeTree({"a\\hl.exe"});
  ASSERT_NO_FATAL_FAILURE(StartUntilPrompt());
  ui::Destroy(MainWindow);
  ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(MainWindow); }));
  EXPECT_FALSE(ui::IsLoaded(SearchWindow));
  EXPECT_EQ(WorkerHandle.load(), nullptr);
  EXPECT_EQ(test::FindDialog(kPromptTitle), nullptr);
}

TEST_F(SearchTest, SearchPressedTwiceQuicklyRunsOneWalk) {
  search_test::MakeTree(kSmallTree);
  OnStartSearchClicked();
  OnStartSearchClicked();
  WaitForWalkEnd();
  EXPECT_EQ(Recorded(), SmallTreeWalk());
  EXPECT_TRUE(ControlsEnabled());
}

TEST_F(SearchTest, SearchAfterStopWhileAPromptIsOpenEndsTheOldWalkFirst) {
  search_test::MakeTree({"a\\hl.exe"});
  ui::SetContent(MainWindow, "编辑框1", "D:\\旧的\\hl.exe");
  ASSERT_NO_FATAL_FAILURE(StartUntilPrompt());
  const HWND first = test::FindDialog(kPromptTitle);
  OnStopSearchClicked();
  OnStartSearchClicked();
  EXPECT_FALSE(IsWindow(first));
  HWND second = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (second = test::FindDialog(kPromptTitle)) != nullptr; }));
  Release({IDCANCEL});
  WaitForWalkEnd();
  EXPECT_EQ(boxes.SeenCount(), 1u);
  EXPECT_EQ(Recorded(), (Texts{P("a"), P("a\\."), P("a\\hl.exe"),  // the first walk, up to its prompt
                               P("a"), P("a\\."), P("a\\hl.exe"), P("a\\"), Root(), kNotFound}));
  EXPECT_EQ(MainPath(), "D:\\旧的\\hl.exe");
  EXPECT_TRUE(ControlsEnabled());
}

TEST_F(SearchTest, OpenReusesALoadedWindowAndExitMakesTheNextOneFresh) {
  search_test::MakeTree(kSmallTree);
  const HWND window = test::TopLevel(SearchWindow.title);
  OnOpenSearchClicked();
  EXPECT_EQ(test::TopLevel(SearchWindow.title), window);
  Walk();
  ASSERT_EQ(SearchBox(), kNotFound);
  OnOpenSearchClicked();  // shown: nothing is reset
  EXPECT_EQ(SearchBox(), kNotFound);

  OnExitSearchClicked();  // no walk running: simply closes
  ASSERT_TRUE(test::WaitUntil([] { return !ui::IsLoaded(SearchWindow); }));
  OnOpenSearchClicked();
  EXPECT_TRUE(ui::Visible(SearchWindow));
  EXPECT_EQ(SearchBox(), "");
  EXPECT_TRUE(ControlsEnabled());
}

}  // namespace
