// What the in-process window tests share: the native windows that the model built, closing windows
// between tests, the tests' own window layout, and layouts of the launcher copied with handlers that
// count their calls.
#pragma once

#include <windows.h>

#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace uitest {

// The outer frame has this size and is centred on the primary screen.
inline void ExpectCentredFrame(HWND window, int width, int height) {
  RECT rc;
  GetWindowRect(window, &rc);
  EXPECT_EQ(rc.right - rc.left, width);
  EXPECT_EQ(rc.bottom - rc.top, height);
  EXPECT_EQ(rc.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(rc.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

using test::Children;

// The child at the position of the control called `name` in a test's table of the controls in creation
// order (names, or records with a name); a failure and null when the table lacks it.
template <class Entry, size_t N>
HWND ChildNamed(const std::vector<HWND>& children, const Entry (&table)[N], const char* name) {
  for (size_t i = 0; i < N; ++i) {
    const char* entry;
    if constexpr (std::is_convertible_v<const Entry&, const char*>) {
      entry = table[i];
    } else {
      entry = table[i].name;
    }
    if (std::string(entry) == name) return children[i];
  }
  ADD_FAILURE() << "no control " << name;
  return nullptr;
}

// The texts of a list's items, in order.
inline std::vector<std::string> Items(const ui::WindowLayout& window, const char* list) {
  std::vector<std::string> items;
  for (int i = 0; i < ui::ItemCount(window, list); ++i) items.push_back(ui::ItemText(window, list, i));
  return items;
}

// Asks the window to close and handles messages until it is gone.
inline bool CloseAndWait(const ui::WindowLayout& window) {
  if (ui::IsLoaded(window)) ui::Destroy(window);
  const bool gone = test::WaitUntil([&] { return !ui::IsLoaded(window); });
  test::PumpMessages();  // drops the quit message of the last window
  return gone;
}

// A layout test: the native window it loaded, found by its title, and that window's direct children in
// creation order.
class BuiltWindowTest : public ::testing::Test {
 protected:
  // The window titled `title` must be there with `count` children (call it in ASSERT_NO_FATAL_FAILURE).
  void FindBuilt(const char* title, size_t count) {
    window_ = test::TopLevel(title);
    ASSERT_NE(window_, nullptr) << title;
    children_ = Children(window_);
    ASSERT_EQ(children_.size(), count);
  }

  HWND window_ = nullptr;
  std::vector<HWND> children_;
};

// Loads the launcher's own MainWindow (its start-up handler runs) for one test, and closes it at the end
// with whatever it owns.
class RealMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PumpMessages();
    ASSERT_TRUE(ui::Load(MainWindow));
  }
  void TearDown() override { EXPECT_TRUE(CloseAndWait(MainWindow)); }
};

// The tests' own window: a path box, an empty list and a list of six items (the third selected), a check
// box, a button and a drawn label, white on black. Each test window is one of these, titled (and named)
// as its test needs.
inline constexpr const char* kSixItems[] = {"60", "70", "75", "85", "100", "120"};
inline constexpr ui::ControlLayout kProbeControls[] = {
    {.name = "编辑框1", .cls = ui::ControlClass::EditBox, .left = 8, .top = 8, .width = 260, .height = 20,
     .border = ui::FrameStyle::Sunken, .autoHScroll = true},
    {.name = "组合框1", .cls = ui::ControlClass::ComboBox, .left = 8, .top = 36, .width = 80, .height = 20,
     .dropHeight = 160},
    {.name = "组合框2", .cls = ui::ControlClass::ComboBox, .left = 96, .top = 36, .width = 80, .height = 20,
     .items = kSixItems, .initialSelection = 2, .dropHeight = 160},
    {.name = "选择框1", .cls = ui::ControlClass::CheckBox, .left = 8, .top = 64, .width = 120, .height = 20,
     .caption = "-noforcemaccel"},
    {.name = "按钮1", .cls = ui::ControlClass::Button, .left = 8, .top = 92, .width = 96, .height = 22,
     .caption = "启动 CS", .hAlign = ui::HAlign::Center},
    {.name = "标签1", .cls = ui::ControlClass::Label, .left = 112, .top = 92, .width = 86, .height = 22,
     .caption = "鼠标加速:", .textColor = kWhite, .backColor = kBlack, .hAlign = ui::HAlign::Center},
};
constexpr ui::WindowLayout ProbeWindow(const char* title, ui::Handler created = nullptr,
                                       ui::Handler closing = nullptr) {
  return {.name = title, .title = title, .width = 300, .height = 180, .background = kWhite, .escCloses = true,
          .created = created, .closing = closing, .controls = kProbeControls};
}

// A copy of a launcher layout without its logic: no created or closing handler, and each bound click
// goes to `handlerFor(control name)` instead, so that a test can count the clicks.
class LayoutWithoutLogic {
 public:
  template <class Choose>
  LayoutWithoutLogic(const ui::WindowLayout& original, Choose handlerFor)
      : controls_(original.controls.begin(), original.controls.end()), window_(original) {
    for (auto& c : controls_) {
      if (c.clicked) c.clicked = handlerFor(c.name);
    }
    window_.created = nullptr;
    window_.closing = nullptr;
    window_.controls = controls_;
  }
  LayoutWithoutLogic(const LayoutWithoutLogic&) = delete;
  LayoutWithoutLogic& operator=(const LayoutWithoutLogic&) = delete;
  operator const ui::WindowLayout&() const { return window_; }

 private:
  std::vector<ui::ControlLayout> controls_;
  ui::WindowLayout window_;
};

// Posts a key to a window as the keyboard would (key-down, then the character for Enter, Esc and Tab)
// and handles messages until none is left.
inline void PressKey(HWND target, WPARAM vk) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), 0);
  PostMessageA(target, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(scan) << 16));
  PostMessageA(target, WM_KEYUP, vk, 1 | (static_cast<LPARAM>(scan) << 16) | (3u << 30));
  test::PumpMessages();
}

}  // namespace uitest
