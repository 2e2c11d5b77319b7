// The window model's rules on real windows: property reads and writes, loading, hiding, destroying
// and reloading windows, owned windows, and the model's message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <tuple>

#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

using namespace ui;

int g_probeCreated = 0;
int g_ownedCreated = 0;
int g_visibleAtCreated = -1;
int g_itemsAtCreated = -1;
void ProbeCreated();
void OwnedCreated() { ++g_ownedCreated; }

const WindowLayout kProbe = uitest::ProbeWindow("模型测试窗口", ProbeCreated);
const WindowLayout kOwned = uitest::ProbeWindow("被拥有的测试窗口", OwnedCreated);

// Runs when the window and its controls exist, before the window is shown.
void ProbeCreated() {
  ++g_probeCreated;
  g_visibleAtCreated = IsWindowVisible(test::TopLevel(kProbe.title)) ? 1 : 0;
  g_itemsAtCreated = ItemCount(kProbe, "组合框2");
  SetContent(kProbe, "编辑框1", "");
}

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_probeCreated = 0;
    g_ownedCreated = 0;
  }
  void TearDown() override {
    uitest::CloseAndWait(kOwned);
    uitest::CloseAndWait(kProbe);
  }
};

TEST_F(ModelTest, SelectionIsClampedToTheList) {
  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(CurrentSelection(kProbe, "组合框2"), 2);
  EXPECT_EQ(CurrentSelection(kProbe, "组合框1"), -1);
  // Past the end: the last item ("120"); below 0: none. The empty list selects nothing.
  for (const auto& [list, index, selected] : {std::tuple{"组合框2", 9, 5}, {"组合框2", 0, 0}, {"组合框2", -7, -1},
                                               {"组合框1", 0, -1}, {"组合框1", 3, -1}}) {
    SetCurrentSelection(kProbe, list, index);
    EXPECT_EQ(CurrentSelection(kProbe, list), selected) << list << " " << index;
  }
  EXPECT_EQ(ItemText(kProbe, "组合框2", 5), "120");
}

TEST_F(ModelTest, InsertItemAndItemText) {
  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(InsertItem(kProbe, "组合框1", -1, "x"), -1);
  EXPECT_EQ(InsertItem(kProbe, "组合框1", -100, "x"), -1);
  EXPECT_EQ(ItemCount(kProbe, "组合框1"), 0);

  EXPECT_EQ(InsertItem(kProbe, "组合框1", 0, "800x600"), 0);
  EXPECT_EQ(InsertItem(kProbe, "组合框1", 7, "1024x768"), 1);  // past the end appends
  EXPECT_EQ(InsertItem(kProbe, "组合框1", 0, "640x480"), 0);   // later items move down, no sorting
  EXPECT_EQ(InsertItem(kProbe, "组合框1", 1, "分辨率"), 1);
  ASSERT_EQ(ItemCount(kProbe, "组合框1"), 4);
  const char* const texts[] = {"", "640x480", "分辨率", "800x600", "1024x768", ""};  // from item -1 to item 4
  for (int i = -1; i <= 4; ++i) EXPECT_EQ(ItemText(kProbe, "组合框1", i), texts[i + 1]) << i;
  EXPECT_EQ(ItemText(kProbe, "组合框2", 6), "");
  EXPECT_EQ(ItemText(kProbe, "组合框2", 0), "60");

  // Inserting before the selected item moves the selection with it.
  SetCurrentSelection(kProbe, "组合框1", 2);
  InsertItem(kProbe, "组合框1", 0, "320x240");
  EXPECT_EQ(ItemText(kProbe, "组合框1", CurrentSelection(kProbe, "组合框1")), "800x600");
}

TEST_F(ModelTest, CheckedCaptionAndContent) {
  ASSERT_TRUE(Load(kProbe));
  HWND probe = test::TopLevel(kProbe.title);
  ASSERT_NE(probe, nullptr);

  EXPECT_FALSE(Checked(kProbe, "选择框1"));
  SetChecked(kProbe, "选择框1", true);
  EXPECT_TRUE(Checked(kProbe, "选择框1"));
  // The player's click changes the state that the model reads.
  HWND box = FindWindowExA(probe, nullptr, "Button", "-noforcemaccel");
  ASSERT_NE(box, nullptr);
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_FALSE(Checked(kProbe, "选择框1"));
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(Checked(kProbe, "选择框1"));
  SetChecked(kProbe, "选择框1", false);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Caption(kProbe, "选择框1"), "-noforcemaccel");

  EXPECT_EQ(Caption(kProbe, "按钮1"), "启动 CS");
  SetCaption(kProbe, "按钮1", "关闭鼠标加速度");
  EXPECT_EQ(Caption(kProbe, "按钮1"), "关闭鼠标加速度");
  EXPECT_NE(FindWindowExA(probe, nullptr, "Button", "关闭鼠标加速度"), nullptr);

  // A drawn label still exposes its caption as its window text.
  SetCaption(kProbe, "标签1", "鼠标加速:关");
  EXPECT_NE(FindWindowExA(probe, nullptr, "Static", "鼠标加速:关"), nullptr);
  SetTextColor(kProbe, "标签1", 0x000000FFu);
  EXPECT_EQ(TextColor(kProbe, "标签1"), 0x000000FFu);

  EXPECT_EQ(Content(kProbe, "编辑框1"), "");
  // "謀" is D6 5C and "亅" is 81 7C: two-byte characters whose second bytes are '\\' and '|'.
  const std::string path = "D:\\游戏\\反恐精英 謀亅\\cstrike.exe";
  SetContent(kProbe, "编辑框1", path);
  EXPECT_EQ(Content(kProbe, "编辑框1"), path);
  HWND edit = FindWindowExA(probe, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(test::WindowText(edit), path);
  // What the player typed is what Content reads.
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("C:\\新目录\\hl.exe"));
  EXPECT_EQ(Content(kProbe, "编辑框1"), "C:\\新目录\\hl.exe");
  // Longer than any fixed buffer of MAX_PATH bytes.
  const std::string longText(5000, 'a');
  SetContent(kProbe, "编辑框1", longText);
  EXPECT_EQ(Content(kProbe, "编辑框1"), longText);
  // Past 1 KB with a two-byte character at every place around byte 1,023, where a read into a buffer
  // of 1,024 bytes stops: the system leaves out a character that does not fit whole.
  for (size_t before = 1019; before <= 1024; ++before) {
    const std::string text = std::string(before, 'a') + "路径\\hl.exe";
    SetContent(kProbe, "编辑框1", text);
    EXPECT_EQ(Content(kProbe, "编辑框1"), text) << before;
    SetCaption(kProbe, "按钮1", text);
    EXPECT_EQ(Caption(kProbe, "按钮1"), text) << before;
  }
  SetCaption(kProbe, "按钮1", "启动 CS");
  SetContent(kProbe, "编辑框1", "");
  EXPECT_EQ(Content(kProbe, "编辑框1"), "");
}

TEST_F(ModelTest, LoadingALoadedWindowKeepsTheOneWindow) {
  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(g_probeCreated, 1);
  EXPECT_EQ(g_visibleAtCreated, 0);
  EXPECT_EQ(g_itemsAtCreated, 6);
  EXPECT_TRUE(IsWindowVisible(test::TopLevel(kProbe.title)));
  HWND first = test::TopLevel(kProbe.title);
  SetContent(kProbe, "编辑框1", "保留");
  SetCurrentSelection(kProbe, "组合框2", 4);

  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(g_probeCreated, 1);
  EXPECT_EQ(test::TopLevels(kProbe.title).size(), 1u);
  EXPECT_EQ(test::TopLevel(kProbe.title), first);
  EXPECT_EQ(Content(kProbe, "编辑框1"), "保留");
  EXPECT_EQ(CurrentSelection(kProbe, "组合框2"), 4);

  // A minimised window is restored.
  ShowWindow(first, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(first));
  ASSERT_TRUE(Load(kProbe));
  EXPECT_FALSE(IsIconic(first));
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_EQ(g_probeCreated, 1);
}

TEST_F(ModelTest, VisibleAndDisabledOfControls) {
  ASSERT_TRUE(Load(kProbe));
  HWND button = FindWindowExA(test::TopLevel(kProbe.title), nullptr, "Button", "启动 CS");
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(Visible(kProbe, "按钮1"));
  EXPECT_FALSE(Disabled(kProbe, "按钮1"));
  for (const bool on : {false, true}) {
    SetVisible(kProbe, "按钮1", on);
    EXPECT_EQ(Visible(kProbe, "按钮1"), on);
    EXPECT_EQ(IsWindowVisible(button) != FALSE, on);
    SetDisabled(kProbe, "按钮1", !on);
    EXPECT_EQ(Disabled(kProbe, "按钮1"), !on);
    EXPECT_EQ(IsWindowEnabled(button) != FALSE, on);
  }
}

TEST_F(ModelTest, LoadingAHiddenWindowLeavesItHidden) {
  ASSERT_TRUE(Load(kProbe));
  HWND probe = test::TopLevel(kProbe.title);
  EXPECT_TRUE(Visible(kProbe));
  SetVisible(kProbe, false);
  EXPECT_FALSE(Visible(kProbe));
  EXPECT_FALSE(IsWindowVisible(probe));

  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(g_probeCreated, 1);
  EXPECT_EQ(test::TopLevels(kProbe.title).size(), 1u);
  EXPECT_FALSE(Visible(kProbe));
  EXPECT_FALSE(IsWindowVisible(probe));

  SetVisible(kProbe, true);
  EXPECT_TRUE(Visible(kProbe));
  EXPECT_TRUE(IsWindowVisible(probe));
}

TEST_F(ModelTest, DestroyThenLoadBuildsTheWindowAfresh) {
  ASSERT_TRUE(Load(kProbe));
  SetContent(kProbe, "编辑框1", "旧内容");
  SetChecked(kProbe, "选择框1", true);

  // Closed and handled: a later Load builds it from the layout.
  Destroy(kProbe);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(kProbe); }));
  EXPECT_EQ(test::TopLevels(kProbe.title).size(), 0u);
  test::PumpMessages();
  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(g_probeCreated, 2);
  EXPECT_EQ(Content(kProbe, "编辑框1"), "");
  EXPECT_FALSE(Checked(kProbe, "选择框1"));
  EXPECT_EQ(CurrentSelection(kProbe, "组合框2"), 2);

  // Asked to close but not yet handled: Load does not bring back the closing window, it builds anew.
  SetContent(kProbe, "编辑框1", "旧内容");
  Destroy(kProbe);
  EXPECT_TRUE(IsLoaded(kProbe));
  ASSERT_TRUE(Load(kProbe));
  EXPECT_EQ(g_probeCreated, 3);
  EXPECT_EQ(Content(kProbe, "编辑框1"), "");
  test::PumpMessages();  // the close asked for earlier must not take the new window with it
  EXPECT_TRUE(IsLoaded(kProbe));
  EXPECT_EQ(test::TopLevels(kProbe.title).size(), 1u);
  EXPECT_TRUE(IsWindowVisible(test::TopLevel(kProbe.title)));
}

TEST_F(ModelTest, ClosingTheOwnerClosesTheOwnedWindow) {
  ASSERT_TRUE(Load(kProbe));
  ASSERT_TRUE(Load(kOwned, &kProbe, false));
  HWND owner = test::TopLevel(kProbe.title);
  HWND owned = test::TopLevel(kOwned.title);
  ASSERT_NE(owned, nullptr);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
  EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);

  // The owner's close box.
  PostMessageA(owner, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(kProbe) && !IsLoaded(kOwned); }));
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_FALSE(IsWindow(owner));
  test::PumpMessages();

  // The owned window alone goes without its owner.
  ASSERT_TRUE(Load(kProbe));
  ASSERT_TRUE(Load(kOwned, &kProbe, false));
  EXPECT_EQ(g_ownedCreated, 2);
  PostMessageA(test::TopLevel(kOwned.title), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(kOwned); }));
  EXPECT_TRUE(IsLoaded(kProbe));
}

// A window that only the next test loads: its record is made while an owner closes.
int g_lateClosings = 0;
void LateClosing() { ++g_lateClosings; }
const WindowLayout kLate = uitest::ProbeWindow("关闭时载入的测试窗口", nullptr, LateClosing);
void LoadLateWindow() { Load(kLate, &kProbe, false); }

TEST_F(ModelTest, AWindowLoadedWhileItsOwnerClosesIsClosedWithIt) {
  // The owned window's closing handler loads another window owned by the same owner.
  static const WindowLayout loader = uitest::ProbeWindow(kOwned.title, OwnedCreated, LoadLateWindow);
  ASSERT_TRUE(Load(kProbe));
  ASSERT_TRUE(Load(loader, &kProbe, false));
  g_lateClosings = 0;
  PostMessageA(test::TopLevel(kProbe.title), WM_CLOSE, 0, 0);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(kProbe) && !IsLoaded(loader) && !IsLoaded(kLate); }));
  EXPECT_EQ(g_lateClosings, 1);  // its own closing handler ran, as every owned window's does
  EXPECT_EQ(test::TopLevel(kLate.title), nullptr);
  test::PumpMessages();
}

TEST_F(ModelTest, AModalWindowDisablesTheOthersUntilItCloses) {
  ASSERT_TRUE(Load(kProbe));
  HWND probe = test::TopLevel(kProbe.title);
  ASSERT_TRUE(Load(kOwned, &kProbe, true));
  EXPECT_FALSE(IsWindowEnabled(probe));
  EXPECT_TRUE(IsWindowEnabled(test::TopLevel(kOwned.title)));
  PostMessageA(test::TopLevel(kOwned.title), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(kOwned); }));
  EXPECT_TRUE(IsWindowEnabled(probe));

  // A window that was disabled before keeps that state.
  EnableWindow(probe, FALSE);
  ASSERT_TRUE(Load(kOwned, &kProbe, true));
  Destroy(kOwned);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(kOwned); }));
  EXPECT_FALSE(IsWindowEnabled(probe));
  EnableWindow(probe, TRUE);
}

TEST_F(ModelTest, TheLastWindowGoneEndsTheMessageLoop) {
  ASSERT_TRUE(Load(kProbe));
  ASSERT_TRUE(Load(kOwned, &kProbe, false));
  PostMessageA(test::TopLevel(kOwned.title), WM_CLOSE, 0, 0);
  PostMessageA(test::TopLevel(kProbe.title), WM_CLOSE, 0, 0);
  // RunMessageLoop returns only when the last window has been destroyed, with the quit code 0.
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_FALSE(IsLoaded(kProbe));
  EXPECT_FALSE(IsLoaded(kOwned));
}

// --- The message box ---------------------------------------------------------------------------------

TEST_F(ModelTest, ShowMessageReturnsTheButtonPressed) {
  test::PumpMessages();
  test::BoxAnswerer answerer;
  for (const int button : {IDYES, IDNO, IDOK, IDCANCEL, IDOK, IDOK, IDOK}) answerer.Answer(button);
  EXPECT_EQ(ShowMessage("要注销吗?", kMsgYesNoQuestion), kYes);
  EXPECT_EQ(ShowMessage("要注销吗?", kMsgYesNoQuestion), kNo);
  EXPECT_EQ(ShowMessage("请设置CS文件路径地址"), kOk);
  EXPECT_EQ(ShowMessage("D:\\cstrike.exe 是否为该文件", kMsgOkCancel), kCancel);
  EXPECT_EQ(ShowMessage("D:\\cstrike.exe 是否为该文件", kMsgOkCancel), kOk);
  EXPECT_EQ(ShowMessage(42, kMsgOk, "标题"), kOk);
  EXPECT_EQ(ShowMessage(true), kOk);

  EXPECT_EQ(answerer.SeenTexts(), (std::vector<std::string>{"信息：: 要注销吗?", "信息：: 要注销吗?", "信息：: 请设置CS文件路径地址",
                                                           "信息：: D:\\cstrike.exe 是否为该文件",
                                                           "信息：: D:\\cstrike.exe 是否为该文件", "标题: 42", "信息：: 真"}));
  for (const auto& box : answerer.Seen()) EXPECT_EQ(box.threadId, GetCurrentThreadId());
}

// While the box is open the thread's windows are disabled (task-modal), unless the caller asked for a
// system-modal box; the box has no owner either way.
TEST_F(ModelTest, ShowMessageIsTaskModalWithoutOwner) {
  ASSERT_TRUE(Load(kProbe));
  HWND probe = test::TopLevel(kProbe.title);
  for (const unsigned style : {kMsgOk, kMsgOk | unsigned{MB_SYSTEMMODAL}}) {
    std::atomic<int> probeEnabled{-1};
    std::atomic<bool> hasOwner{true};
    std::thread presser([&] {
      HWND box = nullptr;
      if (!test::PollUntil([&] { return (box = test::FindDialog(kDefaultMessageTitle)) != nullptr; })) return;
      probeEnabled = IsWindowEnabled(probe) ? 1 : 0;
      hasOwner = GetWindow(box, GW_OWNER) != nullptr;
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(ShowMessage("任务模态", style), kOk);
    presser.join();
    EXPECT_EQ(probeEnabled.load(), style & MB_SYSTEMMODAL ? 1 : 0) << "style " << style;
    EXPECT_FALSE(hasOwner.load());
    EXPECT_TRUE(IsWindowEnabled(probe));
  }
}

}  // namespace
