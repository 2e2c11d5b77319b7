// Layout numbers at the display's DPI.
#include "ui/model/scaling.h"

namespace ui {

int ScaleToDpi(int value, int dpi) {
  const long long product = static_cast<long long>(value) * dpi;
  const long long magnitude = (product < 0 ? -product : product) + kLayoutDpi / 2;
  const long long rounded = magnitude / kLayoutDpi;
  return static_cast<int>(product < 0 ? -rounded : rounded);
}

LayoutBox ScaleBox(const LayoutBox& box, int dpi) {
  const int left = ScaleToDpi(box.left, dpi);
  const int top = ScaleToDpi(box.top, dpi);
  return {left, top, ScaleToDpi(box.left + box.width, dpi) - left, ScaleToDpi(box.top + box.height, dpi) - top};
}

}  // namespace ui
