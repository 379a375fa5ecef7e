// Inside the canvas: resolving pens and brushes to ink and laying coverage onto
// the bitmap through the clip. Shared by the canvas's drawing files only.
#pragma once

#include <cstdint>

#include "gfx/canvas.h"

namespace gfx {

// A pen colour or a brush resolved against the canvas state: one 8 x 8 tile of
// pixels plus a mask of the pixels it paints (a hatch in transparent mode paints
// only its lines).
struct Ink {
  bool none = false;
  bool solid = true;
  Pixel color = 0;
  Pixel tile[8][8] = {};
  std::uint8_t mask[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  Point origin;

  // Pattern pixels for n destination pixels of row y from x on.
  void ExpandRow(int x, int y, int n, Pixel* out) const;
};

struct CanvasPainter {
  [[nodiscard]] static Ink PenInk(const Canvas& c, Color color);
  [[nodiscard]] static Ink BrushInk(const Canvas& c, const Brush& b);
  // Paints the coverage (already limited to roughly the clip box) with the ink,
  // exactly clipped to the bitmap and the clip region.
  static void Paint(Canvas& c, const Region& coverage, const Ink& ink, Rop2 mode);
  // Limit for shape rasterisation: the clip box widened by a margin.
  [[nodiscard]] static Rect Limit(const Canvas& c, int margin = 0);
  // Coverage of a path under the current pen; each call starts the dash
  // pattern afresh, so drawing the same dotted line twice hits the same pixels.
  struct Stroke {
    Region ink;
    Region gaps;
  };
  [[nodiscard]] static Stroke StrokeCoverage(const Canvas& c, std::span<const Point> pts, bool closed);
  // Pen colour on the dashes; the gaps take the background colour in opaque mode.
  static void PaintStroke(Canvas& c, const Stroke& s);
};

}  // namespace gfx
