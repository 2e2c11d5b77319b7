// Both windows following a change of DPI, as Windows 10 1703 and later announce one to a per-monitor-v2
// window moved to a monitor of another scaling: WM_GETDPISCALEDSIZE, WM_DPICHANGED_BEFOREPARENT to every
// descendant, WM_DPICHANGED with the frame it suggests, WM_DPICHANGED_AFTERPARENT to every descendant.
// Wine has one DPI for every monitor and never sends them, so the test sends them itself, in that order;
// the start-up layout at each DPI is checked by the DPI test (tests/dpi_scaling/) and here as well.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "layout_check.h"
#include "pixels.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/dpi.h"
#include "ui/model/model.h"
#include "ui/model/scaling.h"
#include "ui_test_helpers.h"

namespace {

using namespace ui;

constexpr UINT kGetDpiScaledSize = 0x02E4, kBeforeParent = 0x02E2, kAfterParent = 0x02E3;

std::vector<HWND> Descendants(HWND window) {
  return test::FindWindows([](HWND) { return true; }, window);
}

// What Windows does when the window reaches a monitor of `dpi`.
void MoveToDpi(HWND window, int dpi) {
  RECT frame{};
  GetWindowRect(window, &frame);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  // Unanswered, Windows would scale the frame linearly, and moves back and forth would drift.
  EXPECT_TRUE(SendMessageA(window, kGetDpiScaledSize, static_cast<WPARAM>(dpi), reinterpret_cast<LPARAM>(&size)));
  for (HWND child : Descendants(window)) SendMessageA(child, kBeforeParent, 0, 0);
  RECT suggested{frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  for (HWND child : Descendants(window)) SendMessageA(child, kAfterParent, 0, 0);
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

int HeightOf(HGDIOBJ font) {
  LOGFONTA described{};
  GetObjectA(font, sizeof described, &described);
  return described.lfHeight;
}

using RealMainWindowTest = uitest::RealMainWindowTest;

TEST_F(RealMainWindowTest, BothWindowsFollowEachChangeOfDpiAndComeBackExactly) {
  ASSERT_EQ(SystemDpi(), kLayoutDpi);  // the ui group's prefix: 96-DPI boxes and font at the start
  const HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
  const int heightAt96 = HeightOf(stock);
  OnOpenSearchClicked();
  const struct {
    const WindowLayout& layout;
    HWND hwnd;
  } windows[] = {{MainWindow, test::TopLevel(MainWindow.title)}, {SearchWindow, test::TopLevel(SearchWindow.title)}};
  for (const auto& w : windows) ASSERT_NE(w.hwnd, nullptr) << w.layout.name;

  // What the player has entered and what the window shows, which no move may lose.
  SetContent(MainWindow, main_window::kGamePathBox, "D:\\游戏\\CS\\cstrike.exe");
  SetCurrentSelection(MainWindow, main_window::kRefreshRateList, 4);
  SetChecked(MainWindow, main_window::kNoForceMouseParms.box, true);
  SetContent(SearchWindow, search_window::kSearchBox, "S:\\正在查找\\hl");
  const Text state = Caption(MainWindow, main_window::kMouseStateLabel);
  const Color stateColor = TextColor(MainWindow, main_window::kMouseStateLabel);
  std::map<HWND, std::string> texts;
  for (const auto& w : windows) {
    for (HWND c : uitest::Children(w.hwnd)) texts[c] = test::WindowText(c);
  }
  const auto expectNothingLost = [&] {
    EXPECT_EQ(Content(MainWindow, main_window::kGamePathBox), "D:\\游戏\\CS\\cstrike.exe");
    EXPECT_EQ(CurrentSelection(MainWindow, main_window::kRefreshRateList), 4);
    EXPECT_TRUE(Checked(MainWindow, main_window::kNoForceMouseParms.box));
    EXPECT_EQ(Caption(MainWindow, main_window::kMouseStateLabel), state);
    EXPECT_EQ(TextColor(MainWindow, main_window::kMouseStateLabel), stateColor);
    for (const auto& [control, text] : texts) EXPECT_EQ(test::WindowText(control), text);
  };

  // Each DPI with the icon sizes Windows gives it: small and big.
  const struct {
    int dpi, smallIcon, bigIcon;
  } steps[] = {{144, 24, 48}, {120, 20, 40}, {96, 16, 32}};
  constexpr int kRoundTrips = 30;
  for (int trip = 0; trip < kRoundTrips; ++trip) {
    for (const auto& step : steps) {
      for (const auto& w : windows) {
        SCOPED_TRACE(testing::Message() << w.layout.name << " at " << step.dpi << " DPI, round trip " << trip);
        const std::vector<HWND> controls = uitest::Children(w.hwnd);
        std::vector<HFONT> before;
        for (HWND c : controls) before.push_back(FontOf(c));
        MoveToDpi(w.hwnd, step.dpi);
        // Checked on the first trip; after the last, the 96-DPI layout must be exact again.
        if (trip != 0 && !(trip == kRoundTrips - 1 && step.dpi == kLayoutDpi)) continue;

        RECT frame{};
        GetWindowRect(w.hwnd, &frame);
        EXPECT_EQ(frame.right - frame.left, ScaleToDpi(w.layout.width, step.dpi));
        EXPECT_EQ(frame.bottom - frame.top, ScaleToDpi(w.layout.height, step.dpi));
        const HFONT font = FontOf(controls.front());
        EXPECT_EQ(HeightOf(font), ScaleToDpi(heightAt96, step.dpi));
        test::ExpectLayoutAtDpi(w.hwnd, w.layout, step.dpi, font);
        for (size_t i = 0; i < controls.size(); ++i) {
          EXPECT_EQ(FontOf(controls[i]), font);
          // The font a control had before is deleted, unless it is the stock one (or still in use).
          if (before[i] != stock && before[i] != font) {
            EXPECT_EQ(GetObjectType(before[i]), 0u);
          }
        }
        if (w.layout.iconResource) {
          for (const auto& [which, side] : {std::pair{ICON_SMALL, step.smallIcon}, std::pair{ICON_BIG, step.bigIcon}}) {
            const test::Picture icon =
                test::IconPicture(reinterpret_cast<HICON>(SendMessageA(w.hwnd, WM_GETICON, which, 0)));
            EXPECT_EQ(icon.width, side);
            EXPECT_EQ(icon.height, side);
          }
        }
        expectNothingLost();
      }
    }
  }
}

}  // namespace
