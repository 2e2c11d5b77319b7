// Both windows of the real launcher, driven from outside, at the DPI of the prefix it runs in: each
// control at the layout's 96-DPI box scaled by the model's rule, inside the client area, clear of the
// others (but its group box), its caption fitting it in the controls' font, lists measured in it.
// The e2e group runs at 96 DPI; scripts/dpi-test.sh runs this again in throwaway prefix copies set
// up before anything starts: LogPixels 96 (100 %), 120 (125 %, Windows 7's usual laptop setting),
// 144 (150 %, Windows 10 and 11's), and 144 with CaptionHeight -330 (Windows 10's taller caption).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "../ui/ui_test_helpers.h"
#include "base/handles.h"
#include "launcher_process.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/dpi.h"
#include "ui/model/scaling.h"

namespace {

using namespace ui;

bool Holds(const ControlLayout& group, const ControlLayout& c) {
  return std::find(group.children.begin(), group.children.end(), std::string_view(c.name)) != group.children.end();
}

// A control's 96-DPI box in its window: its group box's position added.
LayoutBox BoxInWindow(const WindowLayout& window, const ControlLayout& c) {
  LayoutBox box{c.left, c.top, c.width, c.height};
  for (const ControlLayout& group : window.controls) {
    if (Holds(group, c)) {
      box.left += group.left;
      box.top += group.top;
    }
  }
  return box;
}

// Captions wider than their box at some DPI in the tests' face (AR PL UMing CN under Wine): the layout
// keeps its 96-DPI numbers and scales them by 1.25 and 1.5, while the face's glyphs grow in whole
// pixels and faster (its CJK glyphs are 12 px wide at 96 DPI, 16 at 120, 18 at 144). Each may pass its
// box by what was measured, no more: a wider caption or another one that passes its box still fails.
// (标签1's colon has a blank right bearing; that alone may pass the edge in any case.)
struct Overflow {
  const char* window;
  const char* control;
  int dpi;
  int width;  // of the caption as measured, colon bearing taken off
};
constexpr Overflow kKnownOverflows[] = {
    {"MainWindow", "标签1", 120, 51},   // "CS路径:" in 50
    {"MainWindow", "标签4", 120, 72},   // "颜色质量:" in 70
    {"MainWindow", "标签5", 120, 104},  // "鼠标加速:" and the state, in 103
};

void ExpectCaptionFits(HWND control, const WindowLayout& window, const ControlLayout& c, int dpi) {
  const std::string caption = test::RemoteText(control);
  const UniqueScreenDc screen(GetDC(nullptr));
  const HGDIOBJ previous = SelectObject(screen.get(), ControlFont());
  SIZE extent{};
  GetTextExtentPoint32A(screen.get(), caption.data(), static_cast<int>(caption.size()), &extent);
  ABC colon{};
  if (std::string_view(c.name) == "标签1") GetCharABCWidthsA(screen.get(), ':', ':', &colon);
  SelectObject(screen.get(), previous);
  RECT area{};
  GetClientRect(control, &area);
  std::printf("  %s: %ld x %ld px in %ld x %ld\n", c.name, extent.cx, extent.cy, area.right, area.bottom);
  long allowed = area.right;
  for (const Overflow& o : kKnownOverflows) {
    if (std::string_view(o.window) == window.name && std::string_view(o.control) == c.name && o.dpi == dpi) {
      allowed = std::max<long>(allowed, o.width);
    }
  }
  EXPECT_LE(extent.cx - colon.abcC, allowed) << caption << ": " << extent.cx << " px";
  EXPECT_LE(extent.cy, area.bottom) << caption;
}

// Whether the face a font is drawn with comes from the font file of `family`: its own name table holds
// that name (as bytes or as UTF-16BE). A face that Wine's Replacements put in for another name (SimSun)
// keeps the name asked for as its family name, so the file is what tells.
bool DrawnFromFileOf(HFONT font, const std::string& family) {
  const UniqueScreenDc screen(GetDC(nullptr));
  const HGDIOBJ previous = SelectObject(screen.get(), font);
  constexpr DWORD kNameTable = 0x656D616E;  // "name", as GetFontData wants a table's tag
  const DWORD size = GetFontData(screen.get(), kNameTable, 0, nullptr, 0);
  std::string table(size == GDI_ERROR ? 0 : size, '\0');
  if (!table.empty() && GetFontData(screen.get(), kNameTable, 0, table.data(), size) == GDI_ERROR) table.clear();
  SelectObject(screen.get(), previous);
  std::string utf16be;
  for (const char c : family) utf16be += {'\0', c};
  return table.find(family) != std::string::npos || table.find(utf16be) != std::string::npos;
}

// A list has the field, opened list and rows of a plain drop-down list made here in the controls'
// font at the scaled total height; rows the model draws add the layout's spacing, scaled.
void ExpectListLikeAPlainOne(HWND list, const ControlLayout& c, LayoutBox box, int dpi) {
  box.height = c.dropHeight > 0 ? c.dropHeight : c.height;
  const LayoutBox scaled = ScaleBox(box, dpi);
  const UniqueWindow plain(CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0,
                                           scaled.width, scaled.height, nullptr, nullptr, nullptr, nullptr));
  SendMessageA(plain.get(), WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  const auto sizes = [](HWND combo) {
    RECT field{}, dropped{};
    GetWindowRect(combo, &field);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    return std::vector<LRESULT>{SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0),
                                SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
                                field.bottom - field.top, dropped.bottom - dropped.top};
  };
  std::vector<LRESULT> expected = sizes(plain.get());
  expected[0] += ScaleToDpi(c.rowSpacing, dpi);
  EXPECT_EQ(sizes(list), expected) << "row, field row, field, opened list";
}

void ExpectScaledLayout(HWND window, const WindowLayout& layout, int dpi) {
  SCOPED_TRACE(layout.name);
  uitest::ExpectCentredFrame(window, ScaleToDpi(layout.width, dpi), ScaleToDpi(layout.height, dpi));
  RECT client{};
  GetClientRect(window, &client);
  std::vector<std::pair<const ControlLayout*, RECT>> shown;
  for (const ControlLayout& c : layout.controls) {
    if (c.cls == ControlClass::CommonDlg) continue;  // no window of its own
    SCOPED_TRACE(c.name);
    HWND control = test::ControlOf(window, layout, c.name);
    ASSERT_NE(control, nullptr);
    const RECT r = uitest::ClientRectIn(control, window);
    const LayoutBox box = BoxInWindow(layout, c), scaled = ScaleBox(box, dpi);
    EXPECT_EQ(r.left, scaled.left);
    EXPECT_EQ(r.top, scaled.top);
    EXPECT_EQ(r.right - r.left, scaled.width);
    if (c.cls == ControlClass::ComboBox || c.cls == ControlClass::DriverBox) {
      ExpectListLikeAPlainOne(control, c, box, dpi);  // the field's height follows the font
    } else {
      EXPECT_EQ(r.bottom - r.top, scaled.height);
      ExpectCaptionFits(control, layout, c, dpi);
    }
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << r.right << "x" << r.bottom << " in " << client.right << "x" << client.bottom;
    if (IsWindowVisible(control)) shown.push_back({&c, r});
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const ControlLayout &a = *shown[i].first, &b = *shown[j].first;
      RECT overlap{};
      EXPECT_TRUE(Holds(a, b) || Holds(b, a) || !IntersectRect(&overlap, &shown[i].second, &shown[j].second))
          << a.name << " overlaps " << b.name;
    }
  }
}

TEST(ScaledLayout, BothWindowsFitAtTheSystemDpi) {
  SetProcessDPIAware();  // else Windows would show this driver the windows scaled back to 96 DPI
  const int dpi = SystemDpi();
  if (const char* expected = std::getenv("LAUNCHER_EXPECTED_DPI")) {
    ASSERT_EQ(dpi, std::atoi(expected));  // the setting took
  }
  std::printf("system DPI %d, caption %d px\n", dpi, GetSystemMetrics(SM_CYCAPTION));
  // Scaled once: as tall as the stock font that Wine (like Windows 8.1 and later) hands a DPI-aware
  // program, made for the system DPI.
  LOGFONTA made{}, stock{};
  GetObjectA(ControlFont(), sizeof made, &made);
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
  EXPECT_EQ(made.lfHeight, stock.lfHeight);
  // Measured in the one face the prefix gives every GUI font (scripts/wine-prefix.sh), a Song face of
  // SimSun's metrics as on a Chinese Windows; no other font installed on the machine may change it.
  EXPECT_TRUE(DrawnFromFileOf(ControlFont(), "AR PL UMing CN"));

  test::ScratchDir scratch;
  const std::string exe = scratch.File("launcher.exe");
  ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), exe)) << test::BuiltLauncher();
  test::LauncherProcess launcher(exe, scratch.path());
  HWND main = launcher.MainWindow();
  ASSERT_NE(main, nullptr);
  ExpectScaledLayout(main, MainWindow, dpi);
  test::Click(test::ControlOf(main, MainWindow, "按钮5"));  // 搜索 opens SearchWindow
  HWND search = launcher.WaitForWindow(SearchWindow.title);
  ASSERT_NE(search, nullptr);
  ExpectScaledLayout(search, SearchWindow, dpi);
}

}  // namespace
