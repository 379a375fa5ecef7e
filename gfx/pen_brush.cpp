#include "gfx/pen_brush.h"

#include "gfx/bitmap.h"

namespace gfx {

Brush Brush::PatternFrom(const Bitmap& b) {
  PatternBits bits{};
  if (b.empty()) return pattern(bits);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const Color c = b.pixel(x % b.width(), y % b.height());
      if (RedOf(c) + GreenOf(c) + BlueOf(c) >= 384) bits[y] |= static_cast<std::uint8_t>(0x80 >> x);
    }
  }
  return pattern(bits);
}

PatternBits HatchBits(HatchStyle h) {
  switch (h) {
    case HatchStyle::Horizontal: return {0, 0, 0, 0xFF, 0, 0, 0, 0};
    case HatchStyle::Vertical: return {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
    case HatchStyle::ForwardDiagonal: return {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    case HatchStyle::BackwardDiagonal: return {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    case HatchStyle::Cross: return {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08};
    case HatchStyle::DiagonalCross: return {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
  }
  return {};
}

}  // namespace gfx
