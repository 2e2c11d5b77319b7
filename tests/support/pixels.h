// Reading what a window shows into memory, for tests that check colours rather than state.
#pragma once

#include <windows.h>

#include <vector>

namespace test {

// The pixels of a window's client area, 0x00RRGGBB each, row by row.
struct Picture {
  int width = 0, height = 0;
  std::vector<unsigned> pixels;
  unsigned At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline COLORREF ColorOf(unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

enum class Capture {
  kRepaint,  // the window draws itself afresh onto white (PrintWindow)
  kSurface,  // what is on its surface now, after only the paints it has had
};

Picture Render(HWND hwnd, Capture how);

// The colour image of an icon (of this process), at its own size.
Picture IconPicture(HICON icon);

}  // namespace test
