// The display's DPI and the controls' font at it.
#include "ui/model/dpi.h"

#include "base/handles.h"
#include "ui/model/scaling.h"

namespace ui {
namespace {

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
  static const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
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

UniqueGdiObject& MadeFont() {
  static UniqueGdiObject font;  // freed at the process's end if still held
  return font;
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    const UniqueScreenDc screen(GetDC(nullptr));
    const int pixels = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return pixels > 0 ? pixels : kLayoutDpi;
  }();
  return dpi;
}

HFONT ControlFont() {
  const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const int dpi = SystemDpi();
  if (dpi == kLayoutDpi) return stock;
  UniqueGdiObject& made = MadeFont();
  if (!made) {
    LOGFONTA font = DefaultGuiFontAt96Dpi();
    font.lfHeight = ScaleToDpi(font.lfHeight, dpi);
    made.reset(CreateFontIndirectA(&font));
  }
  return made ? static_cast<HFONT>(made.get()) : stock;
}

void ReleaseControlFont() { MadeFont().reset(); }

}  // namespace ui
