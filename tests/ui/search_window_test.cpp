// SearchWindow as the model builds it from its layout: frame, controls, the drive list, and its keyboard
// (Tab order, Enter in the multi-line field, no default button, Esc closes).
//
// Built from SearchWindow's own control table with buttons that count their clicks and without the
// search logic's closing handler, owned by a MainWindow built the same way.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout_check.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

using namespace ui;

int g_clicks = 0;
void CountClick() { ++g_clicks; }

Handler CountAny(const char*) { return CountClick; }

const WindowLayout& Search() {
  static const uitest::LayoutWithoutLogic layout(SearchWindow, CountAny);
  return layout;
}

const WindowLayout& Owner() {
  static const uitest::LayoutWithoutLogic layout(MainWindow, CountAny);
  return layout;
}

constexpr const char* kOrder[] = {"按钮3", "编辑框1", "按钮2", "按钮1", "标签1", "驱动器框1"};

class SearchWindowLayout : public uitest::BuiltWindowTest {
 protected:
  void SetUp() override {
    g_clicks = 0;
    ASSERT_TRUE(Load(Owner()));
    ASSERT_TRUE(Load(Search(), &Owner(), false));
    ASSERT_NO_FATAL_FAILURE(FindBuilt(SearchWindow.title, std::size(kOrder)));
  }
  void TearDown() override {
    uitest::CloseAndWait(Search());
    uitest::CloseAndWait(Owner());
  }
  HWND Child(const char* name) const { return uitest::ChildNamed(children_, kOrder, name); }
};

TEST_F(SearchWindowLayout, FrameAndControlsFollowTheLayout) {
  EXPECT_EQ(test::WindowText(window_), "搜索CS文件所在位置");
  uitest::ExpectCentredFrame(window_, 230, 157);  // the window's fixed size, pinned here once
  const LONG style = GetWindowLongA(window_, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(window_, GW_OWNER), test::TopLevel(MainWindow.title));
  EXPECT_TRUE(IsWindowVisible(window_));

  // Boxes as the layout puts them at 96 DPI (test::ExpectLayoutAtDpi); classes, texts and tab stops here.
  const HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  test::ExpectLayoutAtDpi(window_, Search(), 96, guiFont);
  const struct {
    const char* nativeClass;
    const char* text;
    bool tabStop;
  } expected[] = {{"Button", "停止", true}, {"Edit", "", true}, {"Button", "退出", true},
                  {"Button", "搜索", true}, {"Static", "选择驱动器:", false}, {"ComboBox", nullptr, true}};
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(kOrder[i]);
    HWND c = children_[i];
    EXPECT_EQ(test::ClassOf(c), expected[i].nativeClass);
    if (expected[i].text) {
      EXPECT_EQ(test::WindowText(c), expected[i].text);
    }
    const LONG s = GetWindowLongA(c, GWL_STYLE);
    EXPECT_EQ((s & WS_TABSTOP) != 0, expected[i].tabStop);
    EXPECT_FALSE(s & WS_DISABLED);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), guiFont);
  }
  for (const char* button : {"按钮1", "按钮2", "按钮3"}) {
    EXPECT_EQ(GetWindowLongA(Child(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << button;
  }
  // A multi-line field that wraps at its width and has no scroll bars.
  const LONG edit = GetWindowLongA(Child("编辑框1"), GWL_STYLE);
  EXPECT_EQ(edit & (ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | ES_READONLY),
            ES_MULTILINE | ES_AUTOVSCROLL);
  EXPECT_TRUE(GetWindowLongA(Child("编辑框1"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(SearchWindowLayout, DriveListShowsTheComputersDrivesAndTheCurrentOne) {
  HWND drives = Child("驱动器框1");
  EXPECT_EQ(GetWindowLongA(drives, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  char roots[512] = {};
  const DWORD n = GetLogicalDriveStringsA(sizeof roots, roots);
  ASSERT_GT(n, 0u);
  std::vector<char> letters;
  for (const char* root = roots; *root; root += lstrlenA(root) + 1) letters.push_back(root[0]);
  ASSERT_EQ(ItemCount(Search(), "驱动器框1"), static_cast<int>(letters.size()));
  for (size_t i = 0; i < letters.size(); ++i) {
    const std::string item = ItemText(Search(), "驱动器框1", static_cast<int>(i));
    ASSERT_GE(item.size(), 2u);
    EXPECT_EQ(item[0], static_cast<char>(letters[i] & ~0x20));  // upper case
    EXPECT_EQ(item[1], ':');
    if (GetDriveTypeA((std::string(1, letters[i]) + ":\\").c_str()) == DRIVE_FIXED) {
      EXPECT_EQ(item.compare(2, 9, " （硬盘）"), 0) << item;
    }
  }
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof current, current);
  const char currentLetter = static_cast<char>(current[0] & ~0x20);
  const int selected = CurrentSelection(Search(), "驱动器框1");
  ASSERT_GE(selected, 0);
  EXPECT_EQ(ItemText(Search(), "驱动器框1", selected)[0], currentLetter);
  EXPECT_EQ(CurrentDrive(Search(), "驱动器框1"), std::string(1, currentLetter));

  // The player's choice is what CurrentDrive reads; with none it is the current drive.
  const int other = selected == 0 && letters.size() > 1 ? 1 : 0;
  SetCurrentSelection(Search(), "驱动器框1", other);
  EXPECT_EQ(CurrentDrive(Search(), "驱动器框1"), std::string(1, static_cast<char>(letters[other] & ~0x20)));
  SetCurrentSelection(Search(), "驱动器框1", -1);
  EXPECT_EQ(CurrentDrive(Search(), "驱动器框1"), std::string(1, currentLetter));
}

TEST_F(SearchWindowLayout, TabVisitsTheTabStopsInLayoutOrder) {
  SetFocus(Child("按钮3"));
  ASSERT_EQ(GetFocus(), Child("按钮3"));
  for (const char* next : {"编辑框1", "按钮2", "按钮1", "驱动器框1", "按钮3", "编辑框1"}) {
    uitest::PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Child(next)) << "expected " << next;
  }
  EXPECT_EQ(g_clicks, 0);
  // A disabled control is passed over.
  SetDisabled(Search(), "按钮2", true);
  SetFocus(Child("编辑框1"));
  uitest::PressKey(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Child("按钮1"));
}

TEST_F(SearchWindowLayout, EnterInTheFieldStartsANewLineAndClicksNothing) {
  HWND edit = Child("编辑框1");
  SetFocus(edit);
  SetContent(Search(), "编辑框1", "C:\\");
  SendMessageA(edit, EM_SETSEL, 3, 3);
  uitest::PressKey(edit, VK_RETURN);
  EXPECT_EQ(Content(Search(), "编辑框1"), "C:\\\r\n");
  EXPECT_EQ(g_clicks, 0);

  // No default button: Enter on a button or on the drive list clicks nothing.
  for (const char* name : {"按钮1", "按钮3", "驱动器框1"}) {
    SetFocus(Child(name));
    uitest::PressKey(Child(name), VK_RETURN);
    EXPECT_EQ(g_clicks, 0) << name;
  }
  EXPECT_TRUE(IsLoaded(Search()));
}

TEST_F(SearchWindowLayout, EscClosesOnlyTheSearchWindow) {
  SetFocus(Child("编辑框1"));
  uitest::PressKey(Child("编辑框1"), VK_ESCAPE);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(Search()); }));
  EXPECT_TRUE(IsLoaded(Owner()));
  EXPECT_EQ(g_clicks, 0);
}

}  // namespace
