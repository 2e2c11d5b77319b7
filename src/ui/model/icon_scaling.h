// Making a small icon from a big picture: each pixel of the small one averages the area of the big one
// that it covers, so a stroke of the picture stays a stroke, only softer, at any size. (A plain stretch
// picks one pixel of the big picture for each small one and loses every stroke that falls between.)
// Free of window code.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

// Pixels are 0xAARRGGBB (the byte order of a 32-bit DIB: B, G, R, A), rows in the same order in source
// and result. Colours are averaged weighted by their alpha, so a transparent pixel lends no colour to its
// neighbours. `from` holds fromWidth * fromHeight pixels; the result toWidth * toHeight (both above 0).
std::vector<uint32_t> AreaAverage(const std::vector<uint32_t>& from, int fromWidth, int fromHeight, int toWidth,
                                  int toHeight);

}  // namespace ui
