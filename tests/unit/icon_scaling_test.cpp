// The icons' downscale: every small pixel the average of the area it covers, colours weighted by alpha.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/model/icon_scaling.h"

using ui::AreaAverage;

TEST(AreaAverage, AveragesTheCoveredAreaSoThatThinStrokesStay) {
  // 4x4 to 2x2: each pixel the mean of its 2x2 block.
  const uint32_t k = 0xFF000000, w = 0xFFFFFFFF, r = 0xFFC80000;
  EXPECT_EQ(AreaAverage({k, w, r, r, w, k, r, r, k, k, w, w, k, k, w, w}, 4, 4, 2, 2),
            (std::vector<uint32_t>{0xFF808080, 0xFFC80000, 0xFF000000, 0xFFFFFFFF}));
  // 3 to 2: the middle pixel is shared half and half.
  EXPECT_EQ(AreaAverage({0xFF000000, 0xFF0000F0, 0xFF00F000}, 3, 1, 2, 1),
            (std::vector<uint32_t>{0xFF000050, 0xFF00A050}));
  // A transparent pixel lends no colour, only its missing alpha.
  EXPECT_EQ(AreaAverage({0x00FFFFFF, 0xFF0000FF}, 2, 1, 1, 1), (std::vector<uint32_t>{0x800000FF}));
  // A one-pixel line of a 128-px picture is still there at 16 px (a stretch picks it or loses it).
  std::vector<uint32_t> line(128 * 128, k);
  for (int y = 0; y < 128; ++y) line[y * 128 + 61] = w;
  const std::vector<uint32_t> small = AreaAverage(line, 128, 128, 16, 16);
  for (int y = 0; y < 16; ++y) EXPECT_EQ(small[y * 16 + 7], 0xFF202020u) << y;
}
