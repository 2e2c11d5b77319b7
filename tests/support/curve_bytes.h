// A mouse curve's bytes as a string, as the tests compare and store them; free of window code, for the
// unit tests too.
#pragma once

#include <string>

#include "system/curves.h"

namespace test {

inline std::string Bytes(const Curve& curve) { return std::string(CurveBytes(curve)); }

}  // namespace test
