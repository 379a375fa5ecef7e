#include <vector>

#include "gfx/canvas_paint.h"

namespace gfx {

bool Canvas::FloodFill(int x, int y, Color c, FloodMode mode) {
  const Rect box = clipBox();
  if (!box.Contains(x, y) || (s_.clip && !s_.clip->Contains(x, y))) return false;
  const Pixel key = ToPixel(c) & RgbMask;
  const Bitmap& bmp = *target_;
  auto fillable = [&](int px, int py) {
    if (s_.clip && !s_.clip->Contains(px, py)) return false;
    const Pixel v = bmp.row(py)[px];
    return mode == FloodMode::Border ? v != key : v == key;
  };
  if (!fillable(x, y)) return false;
  // Scanline fill over the original pixels; the area is painted in one go at the
  // end, so a brush of the border colour cannot confuse the search.
  const int w = box.width();
  std::vector<std::uint8_t> seen(static_cast<std::size_t>(w) * box.height(), 0);
  auto mark = [&](int px, int py) -> std::uint8_t& {
    return seen[static_cast<std::size_t>(py - box.top) * w + (px - box.left)];
  };
  SpanCollector area;
  std::vector<Point> stack{{x, y}};
  while (!stack.empty()) {
    const Point p = stack.back();
    stack.pop_back();
    if (mark(p.x, p.y) || !fillable(p.x, p.y)) continue;
    int x0 = p.x, x1 = p.x + 1;
    while (x0 > box.left && !mark(x0 - 1, p.y) && fillable(x0 - 1, p.y)) --x0;
    while (x1 < box.right && !mark(x1, p.y) && fillable(x1, p.y)) ++x1;
    for (int i = x0; i < x1; ++i) mark(i, p.y) = 1;
    area.Add(p.y, x0, x1);
    for (int ny : {p.y - 1, p.y + 1}) {
      if (ny < box.top || ny >= box.bottom) continue;
      bool run = false;
      for (int i = x0; i < x1; ++i) {
        const bool open = !mark(i, ny) && fillable(i, ny);
        if (open && !run) stack.push_back({i, ny});
        run = open;
      }
    }
  }
  CanvasPainter::Paint(*this, area.Build(), CanvasPainter::BrushInk(*this, s_.brush), s_.rop2);
  return true;
}

}  // namespace gfx
