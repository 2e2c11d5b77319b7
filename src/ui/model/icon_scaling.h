// Making a small icon from a big picture: finding the picture in the exe's icon resources, and averaging
// it down so that each pixel of the small icon averages the area of the big one that it covers, and a
// stroke of the picture stays a stroke, only softer, at any size. (A plain stretch picks one pixel of the
// big picture for each small one and loses every stroke that falls between.) Free of window code: the
// window model's icons.cpp reads the resources and makes the icons.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ui {

// An icon group resource (RT_GROUP_ICON): a 6-byte header with the image count, then 14-byte entries
// (width at 0, 0 meaning 256; bit count at 6; the image's resource id at 12). The id of its biggest
// 32-bit image and that image's side; id 0 when the group has none.
struct IconImageEntry {
  int id = 0;
  int side = 0;
};
IconImageEntry BiggestTrueColourImage(std::span<const std::uint8_t> group);

// The pixels of an icon image resource (RT_ICON) whose header describes a 32-bit side x side picture (a
// BITMAPINFOHEADER of height 2 * side, for the colour rows and the mask), rows bottom-up as stored;
// empty when it is no such image or is cut short.
std::vector<std::uint32_t> TrueColourPixels(std::span<const std::uint8_t> image, int side);

// Pixels are 0xAARRGGBB (the byte order of a 32-bit DIB: B, G, R, A), rows in the same order in source
// and result. Colours are averaged weighted by their alpha, so a transparent pixel lends no colour to its
// neighbours. `from` holds fromWidth * fromHeight pixels; the result toWidth * toHeight (both above 0).
std::vector<uint32_t> AreaAverage(const std::vector<uint32_t>& from, int fromWidth, int fromHeight, int toWidth,
                                  int toHeight);

}  // namespace ui
