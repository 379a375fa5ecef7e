#include "gfx/canvas_paint.h"

namespace gfx {

void Canvas::lineTo(int x, int y) {
  const Point pts[2] = {s_.position, {x, y}};
  CanvasPainter::paintStroke(*this, CanvasPainter::strokeCoverage(*this, pts, false));
  s_.position = {x, y};
}

void Canvas::polyline(std::span<const Point> pts) {
  if (pts.size() < 2) return;
  CanvasPainter::paintStroke(*this, CanvasPainter::strokeCoverage(*this, pts, false));
}

}  // namespace gfx
