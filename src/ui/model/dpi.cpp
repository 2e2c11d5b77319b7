// The DPI a window is laid out for, and the controls' font at a DPI.
#include "ui/model/dpi.h"

#include "ui/model/scaling.h"

namespace ui {
namespace {

// A function of user32 that older systems lack, looked up once.
template <class F>
F User32(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

LOGFONTA StockGuiFont() {
  LOGFONTA font{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

// The stock default GUI font's description for 96 DPI. A DPI-aware thread is handed a stock font made
// for the system DPI (Wine does so, as Windows 8.1 and later do), a DPI-unaware thread the 96-DPI one:
// the thread looks as an unaware one for a moment. A system that hands both the same font, or cannot
// switch a thread (before Windows 10 1607), is taken to have made it for the system DPI (there an
// unaware program's captions grow with the DPI too), so that the height is never scaled twice.
LOGFONTA DefaultGuiFontAt96Dpi() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  static const auto setContext = User32<SetContext>("SetThreadDpiAwarenessContext");
  const HANDLE kUnaware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));  // DPI_AWARENESS_CONTEXT_UNAWARE
  LOGFONTA font = StockGuiFont();
  if (const HANDLE previous = setContext ? setContext(kUnaware) : nullptr) {
    const LOGFONTA unaware = StockGuiFont();
    setContext(previous);
    if (unaware.lfHeight != font.lfHeight) return unaware;
  }
  font.lfHeight = MulDiv(font.lfHeight, kLayoutDpi, SystemDpi());
  return font;
}

}  // namespace

int SystemDpi() {
  const UniqueScreenDc screen(GetDC(nullptr));
  const int pixels = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return pixels > 0 ? pixels : kLayoutDpi;
}

int DpiOfWindow(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = User32<GetDpiForWindowFn>("GetDpiForWindow");
  const int dpi = getDpi && window ? static_cast<int>(getDpi(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricAt(int index, int dpi) {
  using GetMetricForDpiFn = int(WINAPI*)(int, UINT);
  static const auto getMetric = User32<GetMetricForDpiFn>("GetSystemMetricsForDpi");
  return getMetric ? getMetric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

ControlFont::ControlFont(int dpi) {
  LOGFONTA font = DefaultGuiFontAt96Dpi();
  font.lfHeight = ScaleToDpi(font.lfHeight, dpi);
  if (font.lfHeight != StockGuiFont().lfHeight) made_.reset(CreateFontIndirectA(&font));
}

HFONT ControlFont::get() const {
  return made_ ? static_cast<HFONT>(made_.get()) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace ui
