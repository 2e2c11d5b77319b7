// A mouse curve's bytes as a string, as the tests compare and store them, and where the registry keeps
// the curves; free of window code, for the unit tests too.
#pragma once

#include <string>

#include "system/curves.h"

namespace test {

inline std::string Bytes(const Curve& curve) { return std::string(CurveBytes(curve)); }

// The curves' key under HKEY_CURRENT_USER and their value names, written out apart from the program's
// kMouseCurveXPath and kMouseCurveYPath, so that a wrong path there fails the tests.
inline constexpr const char* kMouseKey = "Control Panel\\Mouse";
inline constexpr const char* kMouseCurveX = "SmoothMouseXCurve";
inline constexpr const char* kMouseCurveY = "SmoothMouseYCurve";

}  // namespace test
