// Layout numbers at the display's DPI. Layouts are written in pixels at 96 DPI; a window and its
// controls are built at the system DPI with every number scaled here, by one rounding rule. Free of
// window code.
#pragma once

namespace ui {

inline constexpr int kLayoutDpi = 96;

// value * dpi / 96 to the nearest whole pixel, halves away from zero, as MulDiv rounds (the system
// scales its own fonts and metrics that way). At 96 DPI every value stays what it is.
int ScaleToDpi(int value, int dpi);

// A control's box in its window's client area.
struct LayoutBox {
  int left = 0, top = 0, width = 0, height = 0;
};

// The box at `dpi`: its four edges are scaled, not its size, so controls that touch at 96 DPI still
// touch and never overlap (two odd sizes side by side would gain a pixel each and overlap by one).
LayoutBox ScaleBox(const LayoutBox& box, int dpi);

}  // namespace ui
