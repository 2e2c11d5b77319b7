// MainWindow as the model builds it from its layout: frame, every control's class, place, caption,
// items and styles, the drawn colours, and the keyboard (Enter clicks 启动 CS, Esc closes).
//
// The window is built from MainWindow's own control table; only the start-up handler is left out (it
// changes selections and captions) and the buttons count their clicks instead of running the logic.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/handles.h"
#include "layout_check.h"
#include "pixels.h"
#include "resource.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

using namespace ui;

int g_launchClicks = 0;
int g_otherClicks = 0;
void CountLaunch() { ++g_launchClicks; }
void CountOther() { ++g_otherClicks; }

const WindowLayout& Main() {
  static const uitest::LayoutWithoutLogic layout(
      MainWindow, [](const char* name) { return std::string(name) == "按钮1" ? CountLaunch : CountOther; });
  return layout;
}

// The window's controls in creation order (the file dialog has no window), with their native classes
// and first texts. Their boxes are the layout's own numbers at 96 DPI (test::ExpectLayoutAtDpi).
struct Expected {
  const char* name;
  const char* nativeClass;
  const char* text;
};
constexpr Expected kExpected[] = {
    {"标签5", "Static", "鼠标加速:"},        {"编辑框1", "Edit", ""},
    {"标签1", "Static", "CS路径:"},          {"标签4", "Static", "颜色质量:"},
    {"组合框3", "ComboBox", "32bpp"},        {"组合框2", "ComboBox", "75"},
    {"标签3", "Static", "刷新率:"},          {"选择框3", "Button", "-noforcemspd"},
    {"选择框2", "Button", "-noforcemparms"}, {"选择框1", "Button", "-noforcemaccel"},
    {"组合框1", "ComboBox", ""},             {"标签2", "Static", "分辨率:"},
    {"分组框1", "Button", "启动参数"},       {"按钮9", "Button", "显卡调节"},
    {"按钮6", "Button", "浏览"},             {"按钮5", "Button", "搜索"},
    {"按钮4", "Button", "开/关鼠标加速度"},  {"按钮3", "Button", "鼠标调节"},
    {"按钮1", "Button", "启动 CS"},
};

class MainWindowLayout : public uitest::BuiltWindowTest {
 protected:
  void SetUp() override {
    g_launchClicks = g_otherClicks = 0;
    ASSERT_TRUE(Load(Main()));
    ASSERT_NO_FATAL_FAILURE(FindBuilt(MainWindow.title, std::size(kExpected)));
  }
  void TearDown() override { uitest::CloseAndWait(Main()); }

  HWND Child(const char* name) const { return uitest::ChildNamed(children_, kExpected, name); }
};

TEST_F(MainWindowLayout, FrameIsFixedCentredAndTitled) {
  EXPECT_EQ(test::WindowText(window_), "Vantor 多功能启动器");
  uitest::ExpectCentredFrame(window_, 310, 242);  // the window's fixed size, pinned here once

  const LONG style = GetWindowLongA(window_, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(window_, GWL_EXSTYLE);
  // A title bar, a system menu and a minimise box; no maximise box and no sizing border.
  constexpr LONG kAsked = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_VISIBLE;
  EXPECT_EQ(style & kAsked, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
  EXPECT_FALSE(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));  // not on top; it has a taskbar button
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);

  // Movable: the system menu keeps its Move entry.
  EXPECT_NE(GetMenuState(GetSystemMenu(window_, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

// The caption's and the taskbar's icons: the layout's 128-px picture averaged down to the system's sizes
// at the DPI in force: its name ends in AtTheSystemDpi, so the dpi_scaling test (tests/dpi_scaling/) runs
// it at 96, 120 and 144 DPI too. Each pixel lies within a few levels of the exe's own image of that size,
// drawn from the same shapes; a plain stretch of the 128-px picture misses it by up to 200 levels at the
// strokes' edges, and a flat square by more.
TEST_F(MainWindowLayout, IconsAreThePictureAveragedToTheSizesAtTheSystemDpi) {
  const struct {
    WPARAM which;
    int width, height;
  } kinds[] = {{ICON_SMALL, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
               {ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.which == ICON_SMALL ? "small icon" : "big icon");
    const auto icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, kind.which, 0));
    ASSERT_NE(icon, nullptr);
    const test::Picture shown = test::IconPicture(icon);
    std::printf("%s icon %dx%d\n", kind.which == ICON_SMALL ? "small" : "big", shown.width, shown.height);
    EXPECT_EQ(shown.width, kind.width);
    EXPECT_EQ(shown.height, kind.height);
    // The exe's own image of this size (its first icon group; the test program carries the launcher's
    // resources), which scripts/make_icon.py draws from the same shapes: picked, not stretched.
    const UniqueIcon own(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM),
                                                       IMAGE_ICON, kind.width, kind.height, 0)));
    const test::Picture drawn = test::IconPicture(own.get());
    ASSERT_EQ(drawn.pixels.size(), shown.pixels.size());
    int worst = 0;
    for (size_t i = 0; i < shown.pixels.size(); ++i) {
      for (int shift : {0, 8, 16}) {
        worst = std::max(worst, std::abs(static_cast<int>((shown.pixels[i] >> shift) & 0xFF) -
                                         static_cast<int>((drawn.pixels[i] >> shift) & 0xFF)));
      }
    }
    EXPECT_LE(worst, 16) << "largest difference of a colour channel";
  }
}

TEST_F(MainWindowLayout, ControlsSitWhereTheLayoutPutsThem) {
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  test::ExpectLayoutAtDpi(window_, Main(), 96, guiFont);
  // The group's children sit at its place (8, 48) plus their own: 标签4 at (8, 66) in it.
  const RECT label4 = test::ClientRectIn(Child("标签4"), window_);
  EXPECT_EQ(label4.left, 16);
  EXPECT_EQ(label4.top, 114);
  for (size_t i = 0; i < std::size(kExpected); ++i) {
    const Expected& e = kExpected[i];
    HWND c = children_[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(test::ClassOf(c), e.nativeClass);
    EXPECT_EQ(test::WindowText(c), e.text);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), guiFont);
    const LONG style = GetWindowLongA(c, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_DISABLED);
    EXPECT_FALSE(style & WS_TABSTOP);
  }
  // The model's names reach these very windows.
  EXPECT_EQ(Caption(Main(), "按钮4"), test::WindowText(Child("按钮4")));
  SetCaption(Main(), "按钮4", "关闭鼠标加速度");
  EXPECT_EQ(test::WindowText(Child("按钮4")), "关闭鼠标加速度");
  SetContent(Main(), "编辑框1", "D:\\CS\\hl.exe");
  EXPECT_EQ(test::WindowText(Child("编辑框1")), "D:\\CS\\hl.exe");
  SetCaption(Main(), "标签5", "鼠标加速:开");
  EXPECT_EQ(test::WindowText(Child("标签5")), "鼠标加速:开");
  SetChecked(Main(), "选择框2", true);
  EXPECT_EQ(SendMessageA(Child("选择框2"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Child("选择框1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(MainWindowLayout, ControlStylesFollowTheLayout) {
  for (const char* name : {"标签1", "标签2", "标签3", "标签4"}) {
    SCOPED_TRACE(name);
    const LONG style = GetWindowLongA(Child(name), GWL_STYLE);
    const LONG type = style & SS_TYPEMASK;
    EXPECT_TRUE(type == SS_LEFT || type == SS_LEFTNOWORDWRAP);
    EXPECT_TRUE(style & SS_CENTERIMAGE);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_FALSE(GetWindowLongA(Child(name), GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  }
  const LONG label5 = GetWindowLongA(Child("标签5"), GWL_STYLE);
  EXPECT_EQ(label5 & SS_TYPEMASK, SS_CENTER);
  EXPECT_TRUE(label5 & SS_CENTERIMAGE);
  EXPECT_TRUE(GetWindowLongA(Child("标签5"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  const LONG edit = GetWindowLongA(Child("编辑框1"), GWL_STYLE);
  EXPECT_TRUE(edit & ES_AUTOHSCROLL);
  EXPECT_FALSE(edit & (ES_MULTILINE | ES_READONLY | ES_PASSWORD));
  EXPECT_TRUE(GetWindowLongA(Child("编辑框1"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  for (const char* name : {"按钮9", "按钮6", "按钮5", "按钮4", "按钮3"}) {
    EXPECT_EQ(GetWindowLongA(Child(name), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << name;
  }
  EXPECT_EQ(GetWindowLongA(Child("按钮1"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Child("分组框1"), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  for (const char* name : {"选择框1", "选择框2", "选择框3"}) {
    EXPECT_EQ(GetWindowLongA(Child(name), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX) << name;
    EXPECT_FALSE(Checked(Main(), name)) << name;
  }
}

TEST_F(MainWindowLayout, ListsHoldTheirItemsAndSelections) {
  EXPECT_EQ(ItemCount(Main(), "组合框1"), 0);
  EXPECT_EQ(CurrentSelection(Main(), "组合框1"), -1);
  EXPECT_EQ(uitest::Items(Main(), "组合框2"), (std::vector<std::string>{"60", "70", "75", "85", "100", "120"}));
  EXPECT_EQ(CurrentSelection(Main(), "组合框2"), 2);
  EXPECT_EQ(uitest::Items(Main(), "组合框3"), (std::vector<std::string>{"16bpp", "32bpp"}));
  EXPECT_EQ(CurrentSelection(Main(), "组合框3"), 1);

  // A plain drop-down list in the same font, created 160 pixels tall in all, for comparison: the rows
  // are one pixel taller, the selection field, the field and the opened list the same.
  std::vector<LRESULT> expected = test::PlainListSizes(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), 80, 160);
  ASSERT_GT(expected[0], 0);
  expected[0] += 1;
  for (const char* name : {"组合框1", "组合框2", "组合框3"}) {
    SCOPED_TRACE(name);
    HWND combo = Child(name);
    const LONG style = GetWindowLongA(combo, GWL_STYLE);
    EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
    EXPECT_TRUE(style & CBS_HASSTRINGS);
    EXPECT_FALSE(style & CBS_SORT);
    EXPECT_EQ(test::ListSizes(combo), expected) << "row, field row, field, opened list";
  }
}

// --- Drawing -------------------------------------------------------------------------------------------

// The window as it draws itself, asked to paint afresh.
test::Picture Render(HWND hwnd) { return test::Render(hwnd, test::Capture::kRepaint); }

bool IsWhite(COLORREF c) { return GetRValue(c) > 0xF0 && GetGValue(c) > 0xF0 && GetBValue(c) > 0xF0; }
bool IsBlack(COLORREF c) { return GetRValue(c) < 0x10 && GetGValue(c) < 0x10 && GetBValue(c) < 0x10; }
int Brightness(COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3; }
bool IsGrey(COLORREF c) {
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  return std::abs(r - g) < 0x30 && std::abs(g - b) < 0x30 && std::abs(r - b) < 0x30;
}
bool IsReddish(COLORREF c) { return GetRValue(c) > 0x60 && GetRValue(c) > 2 * GetGValue(c) + 0x20 && GetGValue(c) == GetBValue(c); }

template <class Pred>
int CountIf(const test::Picture& p, Pred pred) {
  int n = 0;
  for (unsigned rgb : p.pixels) n += pred(test::ColorOf(rgb)) ? 1 : 0;
  return n;
}

TEST_F(MainWindowLayout, MouseAccelLabelIsWhiteOnBlack) {
  UpdateWindow(window_);
  // A black field with the light strokes of the caption; text is smoothed, so its pixels are greys.
  const test::Picture label5 = Render(Child("标签5"));
  const int all5 = static_cast<int>(label5.pixels.size());
  ASSERT_GT(all5, 0);
  EXPECT_GT(CountIf(label5, IsBlack), all5 * 6 / 10);
  EXPECT_GT(CountIf(label5, [](COLORREF c) { return Brightness(c) > 0xA0; }), 20);
  EXPECT_EQ(CountIf(label5, IsGrey), all5);

  // An ordinary label is dark text on white. The tests' Song face draws thin strokes, mostly greys
  // darker than the middle ("CS路径:" at 96 DPI: 59 pixels below 0x90, 6 below 0x60).
  const test::Picture label1 = Render(Child("标签1"));
  const int all1 = static_cast<int>(label1.pixels.size());
  EXPECT_GT(CountIf(label1, IsWhite), all1 * 6 / 10);
  EXPECT_GT(CountIf(label1, [](COLORREF c) { return Brightness(c) < 0x90; }), 20);

  // The text colour changes the strokes, not the field.
  SetTextColor(Main(), "标签5", 0x000000FFu);
  const test::Picture red = Render(Child("标签5"));
  EXPECT_GT(CountIf(red, IsReddish), 20);
  EXPECT_EQ(CountIf(red, [](COLORREF c) { return Brightness(c) > 0xA0; }), 0);
  EXPECT_GT(CountIf(red, IsBlack), all5 * 6 / 10);

  // The window and the check boxes are white behind their text.
  const test::Picture box = Render(Child("选择框3"));
  EXPECT_TRUE(IsWhite(test::ColorOf(box.At(box.width - 3, box.height / 2))));
  const test::Picture whole = Render(window_);
  EXPECT_TRUE(IsWhite(test::ColorOf(whole.At(150, 42))));  // between the top buttons and the group
  EXPECT_TRUE(IsWhite(test::ColorOf(whole.At(4, 3))));
}

// --- Keyboard --------------------------------------------------------------------------------------------

TEST_F(MainWindowLayout, EnterClicksTheLaunchButton) {
  uitest::PressKey(Child("编辑框1"), VK_RETURN);
  EXPECT_EQ(g_launchClicks, 1);
  uitest::PressKey(window_, VK_RETURN);  // no control has the focus
  EXPECT_EQ(g_launchClicks, 2);
  uitest::PressKey(Child("选择框1"), VK_RETURN);
  EXPECT_EQ(g_launchClicks, 3);
  EXPECT_EQ(g_otherClicks, 0);
  EXPECT_FALSE(Checked(Main(), "选择框1"));

  // An open list takes Enter itself.
  HWND rates = Child("组合框2");
  SendMessageA(rates, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(SendMessageA(rates, CB_GETDROPPEDSTATE, 0, 0));
  uitest::PressKey(rates, VK_RETURN);
  EXPECT_EQ(g_launchClicks, 3);
  SendMessageA(rates, CB_SHOWDROPDOWN, FALSE, 0);

  // A disabled default button is not clicked.
  SetDisabled(Main(), "按钮1", true);
  uitest::PressKey(Child("编辑框1"), VK_RETURN);
  EXPECT_EQ(g_launchClicks, 3);
  SetDisabled(Main(), "按钮1", false);
  EXPECT_TRUE(IsLoaded(Main()));
}

TEST_F(MainWindowLayout, EscClosesTheWindow) {
  // An open list takes Esc itself and closes.
  HWND rates = Child("组合框2");
  SendMessageA(rates, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(SendMessageA(rates, CB_GETDROPPEDSTATE, 0, 0));
  uitest::PressKey(rates, VK_ESCAPE);
  EXPECT_TRUE(IsLoaded(Main()));
  EXPECT_FALSE(SendMessageA(rates, CB_GETDROPPEDSTATE, 0, 0));

  uitest::PressKey(Child("编辑框1"), VK_ESCAPE);
  EXPECT_TRUE(test::WaitUntil([] { return !IsLoaded(Main()); }));
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(g_launchClicks + g_otherClicks, 0);
}

TEST_F(MainWindowLayout, ClickingAButtonRunsItsHandler) {
  SendMessageA(Child("按钮5"), BM_CLICK, 0, 0);
  EXPECT_EQ(g_otherClicks, 1);
  SendMessageA(Child("按钮1"), BM_CLICK, 0, 0);
  EXPECT_EQ(g_launchClicks, 1);
  // The group box and the check boxes are no buttons of the logic.
  SendMessageA(Child("选择框1"), BM_CLICK, 0, 0);
  EXPECT_EQ(g_otherClicks + g_launchClicks, 2);
  EXPECT_TRUE(Checked(Main(), "选择框1"));
}

}  // namespace
