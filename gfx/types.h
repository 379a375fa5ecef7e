// Plain value types shared by the raster engine: colours, points, sizes, rectangles.
#pragma once

#include <algorithm>
#include <cstdint>

namespace gfx {

// A colour as the rest of the system passes it around: 0x00BBGGRR.
using Color = std::uint32_t;
// A pixel as a Bitmap stores it: 0x00RRGGBB, i.e. the bytes B, G, R, 0 in memory,
// the layout of a 32-bit top-down DIB, so a bitmap can be shown without conversion.
using Pixel = std::uint32_t;

inline constexpr Color InvalidColor = 0xFFFFFFFFu;
inline constexpr std::uint32_t RgbMask = 0x00FFFFFFu;

[[nodiscard]] constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
[[nodiscard]] constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
[[nodiscard]] constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
[[nodiscard]] constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

// Swapping the red and blue bytes converts both ways between Color and Pixel.
[[nodiscard]] constexpr Pixel ToPixel(Color c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
[[nodiscard]] constexpr Color ToColor(Pixel p) { return ToPixel(p); }

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(Size, Size) = default;
};

// Right and bottom are exclusive, as everywhere in the system.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  [[nodiscard]] constexpr int width() const { return right - left; }
  [[nodiscard]] constexpr int height() const { return bottom - top; }
  [[nodiscard]] constexpr bool empty() const { return right <= left || bottom <= top; }
  [[nodiscard]] constexpr bool Contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  // Swaps inverted edges so that left <= right and top <= bottom.
  [[nodiscard]] constexpr Rect Normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

[[nodiscard]] constexpr Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.empty()) return {};
  return r;
}

[[nodiscard]] constexpr Rect Unite(const Rect& a, const Rect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// Width and height given as int64 sums can exceed int; callers clamp through this.
[[nodiscard]] constexpr int ClampToInt(long long v) {
  if (v < -0x40000000LL) return -0x40000000;
  if (v > 0x40000000LL) return 0x40000000;
  return static_cast<int>(v);
}

}  // namespace gfx
