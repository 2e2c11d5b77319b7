// The display's DPI that the launcher builds its windows for, and the font that every control gets.
//
// The launcher declares itself system-DPI aware (res/launcher.manifest): the system neither stretches
// its windows nor grows its fonts behind its back, so the model scales the layouts' 96-DPI numbers
// itself (ui/model/scaling.h) and gives every control the default GUI font at the system DPI.
#pragma once

#include <windows.h>

namespace ui {

// The system DPI (LOGPIXELSY of the screen), read once: it changes only with a new log-on.
int SystemDpi();

// The default GUI font at the system DPI. At 96 DPI the stock DEFAULT_GUI_FONT itself; at another DPI
// one font made from the stock font's 96-DPI form with its height scaled by ScaleToDpi, made on first
// use and kept until ReleaseControlFont (or the process's end). The model owns it: never delete it.
HFONT ControlFont();

// Frees the font made for another DPI; the next ControlFont makes it again. Only while no control
// uses it.
void ReleaseControlFont();

}  // namespace ui
