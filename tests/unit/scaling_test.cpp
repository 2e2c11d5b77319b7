// Layout numbers at the display's DPI: the one rounding rule, and boxes scaled by their edges.
#include <gtest/gtest.h>

#include <cmath>

#include "ui/model/scaling.h"

using ui::LayoutBox;
using ui::ScaleBox;
using ui::ScaleToDpi;

TEST(ScaleToDpi, KeepsEveryNumberAt96Dpi) {
  for (int v = -400; v <= 400; ++v) EXPECT_EQ(ScaleToDpi(v, 96), v);
}

TEST(ScaleToDpi, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
  EXPECT_EQ(ScaleToDpi(8, 120), 10);
  EXPECT_EQ(ScaleToDpi(310, 120), 388);   // 387.5
  EXPECT_EQ(ScaleToDpi(242, 120), 303);   // 302.5
  EXPECT_EQ(ScaleToDpi(211, 120), 264);   // 263.75
  EXPECT_EQ(ScaleToDpi(297, 120), 371);   // 371.25
  EXPECT_EQ(ScaleToDpi(63, 144), 95);     // 94.5
  EXPECT_EQ(ScaleToDpi(310, 144), 465);
  EXPECT_EQ(ScaleToDpi(1, 144), 2);       // 1.5: a list's extra row pixel
  EXPECT_EQ(ScaleToDpi(1, 120), 1);       // 1.25
  EXPECT_EQ(ScaleToDpi(-11, 144), -17);   // a font height: -16.5
  EXPECT_EQ(ScaleToDpi(-12, 120), -15);
  EXPECT_EQ(ScaleToDpi(0, 144), 0);
  // Never more than half a pixel from the exact product.
  for (int dpi : {72, 108, 120, 144, 168, 192}) {
    for (int v = -300; v <= 300; ++v) {
      EXPECT_LE(std::abs(ScaleToDpi(v, dpi) - v * dpi / 96.0), 0.5) << v << " at " << dpi;
    }
  }
}

TEST(ScaleBox, ScalesTheEdgesSoThatTouchingBoxesStillTouch) {
  // 按钮3 (9, width 63) and 按钮9 (72) touch at 96 DPI. Scaled by their sizes at 144 DPI they would
  // overlap: 14 + 95 = 109 > 108.
  const LayoutBox left = ScaleBox({9, 7, 63, 30}, 144);
  const LayoutBox right = ScaleBox({72, 7, 63, 30}, 144);
  EXPECT_EQ(left.left, 14);
  EXPECT_EQ(left.left + left.width, right.left);
  EXPECT_EQ(right.left, 108);
  EXPECT_EQ(left.top, 11);     // 10.5
  EXPECT_EQ(left.height, 45);  // 56 - 11

  for (int dpi : {96, 120, 144, 168}) {
    for (int a = 0; a < 200; a += 3) {
      for (int size = 1; size < 60; size += 2) {
        const LayoutBox first = ScaleBox({a, a, size, size}, dpi);
        const LayoutBox next = ScaleBox({a + size, a + size, 7, 7}, dpi);
        EXPECT_EQ(first.left + first.width, next.left);
        EXPECT_EQ(first.top + first.height, next.top);
        EXPECT_LE(std::abs(first.width - size * dpi / 96.0), 1.0);
      }
    }
  }
}

TEST(ScaleBox, LeavesEveryBoxAloneAt96Dpi) {
  const LayoutBox box = ScaleBox({211, 181, 86, 22}, 96);
  EXPECT_EQ(box.left, 211);
  EXPECT_EQ(box.top, 181);
  EXPECT_EQ(box.width, 86);
  EXPECT_EQ(box.height, 22);
}
