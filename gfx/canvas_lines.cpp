#include "gfx/canvas_paint.h"

namespace gfx {

void Canvas::LineTo(int x, int y) {
  const Point pts[2] = {s_.position, {x, y}};
  CanvasPainter::PaintStroke(*this, CanvasPainter::StrokeCoverage(*this, pts, false));
  s_.position = {x, y};
}

void Canvas::Polyline(std::span<const Point> pts) {
  if (pts.size() < 2) return;
  CanvasPainter::PaintStroke(*this, CanvasPainter::StrokeCoverage(*this, pts, false));
}

}  // namespace gfx
