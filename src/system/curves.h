// The mouse acceleration curves: the fixed pairs the switch writes, the off / on / unknown decision on
// what the registry holds, and what MainWindow shows for each state. Free of window code.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/color.h"

// Five points of 8 bytes each, unsigned 64-bit little-endian 16.16 fixed-point numbers, exactly as the
// registry stores them. The launcher compares and writes the bytes as they stand.
inline constexpr std::size_t kCurveSize = 40;
using Curve = std::array<std::uint8_t, kCurveSize>;

// Acceleration off: every Y point is 4.24 times its X point, one straight line through the origin.
inline constexpr Curve LinearCurveX = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  0x00, 0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x40, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,  0x00, 0x80, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00};
inline constexpr Curve LinearCurveY = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  0x66, 0xA6, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
    0xCD, 0x4C, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,  0xA0, 0x99, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x38, 0x33, 0x15, 0x00, 0x00, 0x00, 0x00, 0x00};
// Acceleration on: the system's own defaults. Windows XP and Windows 7 and later ship the same X curve;
// XP pairs it with RestoreCurveY, Windows 7, 8.1, 10 and 11 with Windows7CurveY.
inline constexpr Curve RestoreCurveX = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  0x15, 0x6E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x40, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,  0x29, 0xDC, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x00, 0x00};
inline constexpr Curve RestoreCurveY = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  0xB8, 0x5E, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0xCD, 0x4C, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,  0xCD, 0x4C, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x38, 0x02, 0x00, 0x00, 0x00, 0x00};
inline constexpr Curve Windows7CurveY = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  0xFD, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x24, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,  0x00, 0xFC, 0x12, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0xC0, 0xBB, 0x01, 0x00, 0x00, 0x00, 0x00};

// Where the two curves live under HKEY_CURRENT_USER: key path, a backslash, value name.
inline constexpr const char* kMouseCurveXPath = "Control Panel\\Mouse\\SmoothMouseXCurve";
inline constexpr const char* kMouseCurveYPath = "Control Panel\\Mouse\\SmoothMouseYCurve";

// The curve's bytes as a byte string, as the registry functions take and give them.
std::string_view CurveBytes(const Curve& curve);

// True when `bytes` has exactly the curve's length and bytes (an empty read matches no curve).
bool MatchesCurve(std::string_view bytes, const Curve& curve);

enum class MouseAccelState { Off, On, Unknown };

// Off when both values hold the linear pair, on when they hold either default pair (RestoreCurveX with
// RestoreCurveY or with Windows7CurveY), unknown otherwise (a mixed pair included).
MouseAccelState ClassifyMouseCurves(std::string_view x, std::string_view y);

// What 标签5 and 按钮4 of MainWindow show for a state.
struct MouseAccelDisplay {
  const char* labelCaption;
  Color labelColor;
  const char* buttonCaption;
};
const MouseAccelDisplay& DisplayFor(MouseAccelState state);

// The switch's direction is carried by 按钮4's caption between a refresh and the next click.
enum class MouseAccelAction { SwitchOff, Restore };
MouseAccelAction ActionForCaption(std::string_view buttonCaption);

// The confirmation question for an action, and the pair of curves it writes: the restore writes the
// running system's own defaults, Windows 7's from version 6.1 on and Windows XP's before.
const char* ConfirmQuestion(MouseAccelAction action);
struct CurvePair {
  const Curve& x;
  const Curve& y;
};
CurvePair CurvesFor(MouseAccelAction action, bool windows7OrLater);
