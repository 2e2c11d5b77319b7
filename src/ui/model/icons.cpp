// A window's caption and taskbar icons at its DPI, made from the layout's one big picture.
#include <windows.h>

#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "ui/model/dpi.h"
#include "ui/model/icon_scaling.h"
#include "ui/model/model_internal.h"

namespace ui::detail {
namespace {

std::span<const std::uint8_t> ResourceBytes(HMODULE module, LPCSTR id, LPCSTR type) {
  HRSRC found = FindResourceA(module, id, type);
  const void* data = found ? LockResource(LoadResource(module, found)) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

// The layout's icon at width x height: the group's biggest 32-bit image, its area averaged down. Null
// when the module lacks such an image.
UniqueIcon ScaledIcon(HMODULE module, int resource, int width, int height) {
  const IconImageEntry entry =
      BiggestTrueColourImage(ResourceBytes(module, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(14)));  // RT_GROUP_ICON
  if (!entry.id) return {};
  const std::vector<std::uint32_t> pixels =
      TrueColourPixels(ResourceBytes(module, MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3)), entry.side);  // RT_ICON
  if (pixels.empty()) return {};
  const std::vector<std::uint32_t> small = AreaAverage(pixels, entry.side, entry.side, width, height);

  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const UniqueGdiObject colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || !bits) return {};
  std::memcpy(bits, small.data(), small.size() * 4);  // rows bottom-up, as the picture's
  // An all-zero AND mask: the colour image's alpha says what shows.
  const std::vector<BYTE> zeros(static_cast<size_t>((width + 15) / 16 * 2) * height);
  const UniqueGdiObject mask(CreateBitmap(width, height, 1, 1, zeros.data()));
  if (!mask) return {};
  ICONINFO icon{TRUE, 0, 0, static_cast<HBITMAP>(mask.get()), static_cast<HBITMAP>(colour.get())};
  return UniqueIcon(CreateIconIndirect(&icon));  // copies both bitmaps
}

}  // namespace

// Not LoadImage: it stretches a picture without averaging, and the strokes of a 128-px picture vanish
// at 16 px (Windows' LoadIconWithScaleDown averages, but Wine's stretches as LoadImage). The icons they
// replace are destroyed once the window holds the new ones.
void SetIcons(WindowInstance& w) {
  if (!w.layout->iconResource) return;
  HMODULE module = GetModuleHandleA(nullptr);
  UniqueIcon big = ScaledIcon(module, w.layout->iconResource, SystemMetricAt(SM_CXICON, w.dpi),
                              SystemMetricAt(SM_CYICON, w.dpi));
  UniqueIcon small = ScaledIcon(module, w.layout->iconResource, SystemMetricAt(SM_CXSMICON, w.dpi),
                                SystemMetricAt(SM_CYSMICON, w.dpi));
  if (big) SendMessageA(w.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  if (small) SendMessageA(w.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  if (big) w.bigIcon = std::move(big);
  if (small) w.smallIcon = std::move(small);
}

}  // namespace ui::detail
