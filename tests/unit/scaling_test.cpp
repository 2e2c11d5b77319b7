// Layout numbers at the display's DPI: the one rounding rule, and boxes scaled by their edges.
#include <gtest/gtest.h>

#include <cmath>

#include "ui/model/scaling.h"

using ui::ScaleBox;
using ui::ScaleToDpi;

TEST(ScaleToDpi, KeepsEveryNumberAt96DpiAndRoundsHalvesAwayFromZero) {
  for (int v = -400; v <= 400; ++v) EXPECT_EQ(ScaleToDpi(v, 96), v);
  EXPECT_EQ(ScaleToDpi(310, 120), 388);  // 387.5
  EXPECT_EQ(ScaleToDpi(211, 120), 264);  // 263.75
  EXPECT_EQ(ScaleToDpi(63, 144), 95);    // 94.5
  EXPECT_EQ(ScaleToDpi(1, 144), 2);      // a list's extra row pixel
  EXPECT_EQ(ScaleToDpi(-11, 144), -17);  // -16.5, a font height
  for (int dpi : {120, 144, 168, 192}) {
    for (int v = -300; v <= 300; ++v) EXPECT_LE(std::abs(ScaleToDpi(v, dpi) - v * dpi / 96.0), 0.5);
  }
}

TEST(ScaleBox, ScalesEdgesSoThatTouchingBoxesStillTouch) {
  // 按钮3 (9, 63 wide) and 按钮9 (72) touch; scaled by size at 144 DPI they would overlap (14 + 95 > 108).
  EXPECT_EQ(ScaleBox({9, 7, 63, 30}, 144).width, 94);
  EXPECT_EQ(ScaleBox({72, 7, 63, 30}, 144).left, 108);
  for (int dpi : {96, 120, 144, 168}) {
    for (int a = 0; a < 200; a += 3) {
      for (int size = 1; size < 60; size += 2) {
        const ui::LayoutBox first = ScaleBox({a, a, size, size}, dpi), next = ScaleBox({a + size, a + size, 7, 7}, dpi);
        EXPECT_EQ(first.left + first.width, next.left);
        EXPECT_EQ(first.top + first.height, next.top);
        EXPECT_LE(std::abs(first.width - size * dpi / 96.0), 1.0);
      }
    }
  }
}
