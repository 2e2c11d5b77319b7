// Reading what a window shows into memory.
#include "pixels.h"

#include <utility>

#include "base/handles.h"

namespace test {

Picture Render(HWND hwnd, Capture how) {
  Picture picture;
  RECT rect;
  GetClientRect(hwnd, &rect);
  picture.width = rect.right - rect.left;
  picture.height = rect.bottom - rect.top;
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  UniqueGdiObject bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HGDIOBJ old = SelectObject(memory, bitmap.get());
  if (how == Capture::kRepaint) {
    PatBlt(memory, 0, 0, picture.width, picture.height, WHITENESS);
    PrintWindow(hwnd, memory, PW_CLIENTONLY);
  } else {
    HDC window = GetDC(hwnd);
    BitBlt(memory, 0, 0, picture.width, picture.height, window, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, window);
  }
  GdiFlush();
  const auto* words = static_cast<const unsigned*>(bits);
  if (words) picture.pixels.assign(words, words + picture.width * picture.height);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

Picture IconPicture(HICON icon) {
  Picture picture;
  ICONINFO parts{};
  if (!GetIconInfo(icon, &parts)) return picture;
  const UniqueGdiObject colour(parts.hbmColor), mask(parts.hbmMask);
  BITMAP bitmap{};
  if (!GetObjectA(colour.get(), sizeof bitmap, &bitmap)) return picture;
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, bitmap.bmWidth, -bitmap.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<unsigned> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
  const UniqueScreenDc screen(GetDC(nullptr));
  if (GetDIBits(screen.get(), static_cast<HBITMAP>(colour.get()), 0, bitmap.bmHeight, pixels.data(), &info,
                DIB_RGB_COLORS) != bitmap.bmHeight) {
    return picture;
  }
  for (unsigned& p : pixels) p &= 0xFFFFFF;
  picture.width = bitmap.bmWidth;
  picture.height = bitmap.bmHeight;
  picture.pixels = std::move(pixels);
  return picture;
}

}  // namespace test
