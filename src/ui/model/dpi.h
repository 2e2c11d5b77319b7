// The DPI a window is laid out for, and the controls' font at a DPI.
//
// The launcher is per-monitor DPI aware (res/launcher.manifest): each window keeps the DPI of the monitor
// it stands on, from its creation (DpiOfWindow) and then from every WM_DPICHANGED, which is the system's
// word for the window's DPI. The model scales the layouts' 96-DPI numbers to that DPI itself
// (ui/model/scaling.h), gives the window's controls the default GUI font at it, and lays the controls
// out again whenever it changes; the system scales the caption, the frame and the system's own boxes.
// Systems before Windows 10 1607 read only the manifest's older setting and keep the launcher
// system-DPI aware: there every window has the system DPI, and no change ever comes.
#pragma once

#include <windows.h>

#include "base/handles.h"

namespace ui {

// The system DPI (LOGPIXELSY of the screen): the DPI of the log-on.
int SystemDpi();

// The DPI of the monitor a window stands on, as the system gives it to a window when it is made
// (GetDpiForWindow, where the system has it); elsewhere the system DPI.
int DpiOfWindow(HWND window);

// A size from the system's metrics (SM_CXICON, ...) at a DPI: GetSystemMetricsForDpi where the system
// has it, elsewhere the metric itself, which is the system DPI's (the only DPI a window has there).
int SystemMetricAt(int index, int dpi);

// The default GUI font at one DPI: the stock DEFAULT_GUI_FONT itself when it has that DPI's height,
// otherwise a font made from the stock font's 96-DPI form with its height scaled by ScaleToDpi, owned
// here and deleted with its owner. Controls that use it must be given another first.
class ControlFont {
 public:
  ControlFont() = default;  // the stock font
  explicit ControlFont(int dpi);
  HFONT get() const;

 private:
  UniqueGdiObject made_;
};

}  // namespace ui
