// Checking a launcher window against its layout at a DPI, in this process or another: every control at
// the layout's 96-DPI box scaled by the model's rule, inside the client area, clear of the others (but its
// group box), its caption fitting it and its lists measured like a plain list, all in the controls' font.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/model/layout.h"
#include "ui/model/scaling.h"

namespace test {

// A child's window rect in its parent's client coordinates.
RECT ClientRectIn(HWND child, HWND parent);

// A control's 96-DPI box in its window: its group box's position added.
ui::LayoutBox BoxInWindow(const ui::WindowLayout& window, const ui::ControlLayout& control);

// A drop-down list's item row, selection field row, field height and opened list height (Windows
// reports field and list together as the opened list, Wine the list alone: compare like with like).
std::vector<LRESULT> ListSizes(HWND combo);
// The same of a plain drop-down list made here in `font`, `width` x `height` in all.
std::vector<LRESULT> PlainListSizes(HFONT font, int width, int height);

// Every control of `layout` in `window` as the model lays it out at `dpi`, with `font` the controls' font
// at that DPI (as this process makes it: a font of another process cannot be selected here).
void ExpectLayoutAtDpi(HWND window, const ui::WindowLayout& layout, int dpi, HFONT font);

}  // namespace test
