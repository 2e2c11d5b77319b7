// What the in-process window tests share: finding the native windows that the model built, closing
// windows between tests, and layouts of the launcher copied with handlers that count their calls.
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

// The (visible or hidden) top-level windows of this thread with this title.
inline std::vector<HWND> TopLevels(const char* title) {
  return test::FindWindows([&](HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId() && test::WindowText(hwnd) == title;
  });
}
// The first of them; null when there is none.
inline HWND TopLevel(const char* title) {
  const std::vector<HWND> found = TopLevels(title);
  return found.empty() ? nullptr : found.front();
}

// The outer frame has this size and is centred on the primary screen.
inline void ExpectCentredFrame(HWND window, int width, int height) {
  RECT rc;
  GetWindowRect(window, &rc);
  EXPECT_EQ(rc.right - rc.left, width);
  EXPECT_EQ(rc.bottom - rc.top, height);
  EXPECT_EQ(rc.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(rc.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

// How many top-level windows of this thread carry this title.
inline int CountTopLevel(const char* title) { return static_cast<int>(TopLevels(title).size()); }

// The direct children of a window, in the order the system keeps them (creation order).
inline std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

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
    window_ = TopLevel(title);
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
