// Both windows of the real launcher, driven from outside, at the DPI of the prefix it runs in: the frame
// centred at the layout's size scaled, each control as the layout puts it at that DPI (layout_check.h).
// The e2e group runs at 96 DPI. Its name ends in AtTheSystemDpi, so the dpi_scaling test
// (tests/dpi_scaling/) runs it again in throwaway prefix copies set up before anything starts: LogPixels
// 96 (100 %), 120 (125 %, Windows 7's usual laptop setting), 144 (150 %, Windows 10 and 11's), and 144
// with CaptionHeight -330 (Windows 10's taller caption).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../ui/ui_test_helpers.h"
#include "base/handles.h"
#include "launcher_process.h"
#include "layout_check.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/dpi.h"
#include "ui/model/scaling.h"

namespace {

using namespace ui;

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

TEST(ScaledLayout, BothWindowsFitAtTheSystemDpi) {
  SetProcessDPIAware();  // else Windows would show this driver the windows scaled back to 96 DPI
  const int dpi = SystemDpi();
  const ControlFont font(dpi);
  if (const char* expected = std::getenv("LAUNCHER_EXPECTED_DPI")) {
    ASSERT_EQ(dpi, std::atoi(expected));  // the setting took
  }
  std::printf("system DPI %d, caption %d px\n", dpi, GetSystemMetrics(SM_CYCAPTION));
  // Scaled once: as tall as the stock font that Wine (like Windows 8.1 and later) hands a DPI-aware
  // program, made for the system DPI.
  LOGFONTA made{}, stock{};
  GetObjectA(font.get(), sizeof made, &made);
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
  EXPECT_EQ(made.lfHeight, stock.lfHeight);
  // Measured in the one face the prefix gives every GUI font (scripts/wine-prefix.sh), a Song face of
  // SimSun's metrics as on a Chinese Windows; no other font installed on the machine may change it.
  EXPECT_TRUE(DrawnFromFileOf(font.get(), "AR PL UMing CN"));

  test::ScratchDir scratch;
  const std::string exe = scratch.File("launcher.exe");
  ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), exe)) << test::BuiltLauncher();
  test::LauncherProcess launcher(exe, scratch.path());
  HWND main = launcher.MainWindow();
  ASSERT_NE(main, nullptr);
  uitest::ExpectCentredFrame(main, ScaleToDpi(MainWindow.width, dpi), ScaleToDpi(MainWindow.height, dpi));
  test::ExpectLayoutAtDpi(main, MainWindow, dpi, font.get());
  test::Click(test::ControlOf(main, MainWindow, "按钮5"));  // 搜索 opens SearchWindow
  HWND search = launcher.WaitForWindow(SearchWindow.title);
  ASSERT_NE(search, nullptr);
  uitest::ExpectCentredFrame(search, ScaleToDpi(SearchWindow.width, dpi), ScaleToDpi(SearchWindow.height, dpi));
  test::ExpectLayoutAtDpi(search, SearchWindow, dpi, font.get());
}

}  // namespace
