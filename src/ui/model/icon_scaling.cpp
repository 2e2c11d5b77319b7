// Making a small icon from a big picture by averaging areas.
#include "ui/model/icon_scaling.h"

#include <algorithm>
#include <cstring>

namespace ui {
namespace {

struct Share {
  int from;       // a pixel of the big picture
  double weight;  // the part of it that one small pixel covers, in small pixels' widths
};

// For each of `to` pixels along one axis, the big picture's pixels it covers and by how much.
std::vector<std::vector<Share>> Shares(int from, int to) {
  std::vector<std::vector<Share>> shares(static_cast<size_t>(to));
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double begin = i * step, end = (i + 1) * step;
    for (int p = static_cast<int>(begin); p < from && p < end; ++p) {
      const double covered = std::min(end, p + 1.0) - std::max(begin, static_cast<double>(p));
      if (covered > 0) shares[static_cast<size_t>(i)].push_back({p, covered / step});
    }
  }
  return shares;
}

template <class T>
T Read(std::span<const std::uint8_t> bytes, size_t at) {
  T value{};
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

}  // namespace

IconImageEntry BiggestTrueColourImage(std::span<const std::uint8_t> group) {
  IconImageEntry biggest;
  if (group.size() < 6) return biggest;
  const size_t count = Read<std::uint16_t>(group, 4);
  for (size_t i = 0; i < count && 6 + 14 * (i + 1) <= group.size(); ++i) {
    const size_t entry = 6 + 14 * i;
    const int side = group[entry] ? group[entry] : 256;
    if (Read<std::uint16_t>(group, entry + 6) == 32 && side > biggest.side) {
      biggest = {Read<std::uint16_t>(group, entry + 12), side};
    }
  }
  return biggest;
}

std::vector<std::uint32_t> TrueColourPixels(std::span<const std::uint8_t> image, int side) {
  // BITMAPINFOHEADER: its size at 0, width at 4, height at 8, bit count at 14.
  constexpr size_t kHeaderSize = 40;
  const size_t pixels = static_cast<size_t>(side) * side;
  if (side <= 0 || image.size() < kHeaderSize) return {};
  const std::uint32_t headerSize = Read<std::uint32_t>(image, 0);
  if (Read<std::int32_t>(image, 4) != side || Read<std::int32_t>(image, 8) != 2 * side ||
      Read<std::uint16_t>(image, 14) != 32 || headerSize < kHeaderSize || image.size() < headerSize + pixels * 4) {
    return {};
  }
  std::vector<std::uint32_t> colour(pixels);
  std::memcpy(colour.data(), image.data() + headerSize, pixels * 4);
  return colour;
}

std::vector<uint32_t> AreaAverage(const std::vector<uint32_t>& from, int fromWidth, int fromHeight, int toWidth,
                                  int toHeight) {
  const auto columns = Shares(fromWidth, toWidth), rows = Shares(fromHeight, toHeight);
  std::vector<uint32_t> to;
  to.reserve(static_cast<size_t>(toWidth) * toHeight);
  for (const auto& row : rows) {
    for (const auto& column : columns) {
      double alpha = 0, colour[3] = {0, 0, 0};
      for (const Share& y : row) {
        for (const Share& x : column) {
          const uint32_t pixel = from[static_cast<size_t>(y.from) * fromWidth + x.from];
          const double a = (pixel >> 24) * x.weight * y.weight;
          alpha += a;
          for (int c = 0; c < 3; ++c) colour[c] += ((pixel >> (8 * c)) & 0xFF) * a;
        }
      }
      uint32_t pixel = static_cast<uint32_t>(std::min(255.0, alpha + 0.5)) << 24;
      for (int c = 0; c < 3 && alpha > 0; ++c) {
        pixel |= static_cast<uint32_t>(std::min(255.0, colour[c] / alpha + 0.5)) << (8 * c);
      }
      to.push_back(pixel);
    }
  }
  return to;
}

}  // namespace ui
