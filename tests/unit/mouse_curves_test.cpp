// The mouse curves: their bytes, the off / on / unknown decision, and the direction of the switch.
// What each state shows is checked in the real window (tests/ui/mouse_accel_test.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "curve_bytes.h"
#include "system/curves.h"

namespace {

// Point i of a curve as a 16.16 number; the upper 32 bits of every point are zero.
double Point(const Curve& curve, int i) {
  unsigned long long raw = 0;
  for (int b = 7; b >= 0; --b) raw = (raw << 8) | curve[static_cast<std::size_t>(i * 8 + b)];
  EXPECT_EQ(raw >> 32, 0u) << "point " << i;
  return static_cast<double>(raw) / 65536.0;
}

using test::Bytes;

}  // namespace

TEST(MouseCurves, PointsReadAsTheDocumentedNumbers) {
  const double linearX[] = {0, 0.625, 1.25, 2.5, 5};
  const double linearY[] = {0, 2.65, 5.3, 10.6001, 21.2001};
  const double defaultX[] = {0, 0.43, 1.25, 3.86, 40};  // Windows XP's and Windows 7's
  const double xpY[] = {0, 1.37, 5.3, 24.3, 568};
  const double windows7Y[] = {0, 1.07027, 4.14063, 18.98438, 443.75};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(Point(LinearCurveX, i), linearX[i], 1e-4) << i;
    EXPECT_NEAR(Point(LinearCurveY, i), linearY[i], 1e-4) << i;
    EXPECT_NEAR(Point(RestoreCurveX, i), defaultX[i], 1e-4) << i;
    EXPECT_NEAR(Point(RestoreCurveY, i), xpY[i], 1e-4) << i;
    EXPECT_NEAR(Point(Windows7CurveY, i), windows7Y[i], 1e-4) << i;
  }
  // The linear pair is one straight line: the same factor at every speed.
  for (int i = 1; i < 5; ++i) EXPECT_NEAR(Point(LinearCurveY, i) / Point(LinearCurveX, i), 4.24, 1e-3) << i;
  EXPECT_EQ(CurveBytes(LinearCurveX).size(), 40u);
}

TEST(MouseCurves, StateNeedsBothValuesExactly) {
  const std::string lx = Bytes(LinearCurveX), ly = Bytes(LinearCurveY);
  const std::string rx = Bytes(RestoreCurveX), ry = Bytes(RestoreCurveY), w7y = Bytes(Windows7CurveY);
  EXPECT_EQ(ClassifyMouseCurves(lx, ly), MouseAccelState::Off);
  EXPECT_EQ(ClassifyMouseCurves(rx, ry), MouseAccelState::On);   // Windows XP's defaults
  EXPECT_EQ(ClassifyMouseCurves(rx, w7y), MouseAccelState::On);  // Windows 7 and later
  EXPECT_EQ(ClassifyMouseCurves("", ""), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(lx, ""), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(lx, ry), MouseAccelState::Unknown);  // a mixed pair
  EXPECT_EQ(ClassifyMouseCurves(rx, ly), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(lx, w7y), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(w7y, rx), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(ry, w7y), MouseAccelState::Unknown);  // both Y curves
  EXPECT_EQ(ClassifyMouseCurves(ly, lx), MouseAccelState::Unknown);  // X and Y swapped
  // Longer, shorter, or one byte off.
  EXPECT_EQ(ClassifyMouseCurves(lx + std::string(8, '\0'), ly), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(rx, ry.substr(0, 39)), MouseAccelState::Unknown);
  EXPECT_EQ(ClassifyMouseCurves(rx, w7y + std::string(8, '\0')), MouseAccelState::Unknown);
  for (const std::string* y : {&ry, &w7y}) {
    std::string changed = *y;
    changed[39] = '\x01';
    EXPECT_EQ(ClassifyMouseCurves(rx, changed), MouseAccelState::Unknown);
  }
}

TEST(MouseCurves, ButtonCaptionGivesTheAction) {
  EXPECT_EQ(ActionForCaption("恢复鼠标加速度"), MouseAccelAction::Restore);
  for (const char* other : {"关闭鼠标加速度", "开/关鼠标加速度", "恢复鼠标加速度 ", ""}) {
    EXPECT_EQ(ActionForCaption(other), MouseAccelAction::SwitchOff) << other;
  }
}
