// Row-by-row coverage of the filled shapes: ellipses, rounded rectangles,
// polygons and pen discs. Regions, shape fills and pen outlines all come from
// these, so a clip region of an ellipse matches the ellipse drawn in it.
#pragma once

#include <algorithm>
#include <span>

#include "gfx/region.h"
#include "gfx/types.h"

namespace gfx {

// No shape is rasterised beyond this box; bitmaps are far smaller, so only
// absurd coordinates are affected, and they then cost nothing.
inline constexpr Rect ShapeLimit{-(1 << 16), -(1 << 16), 1 << 16, 1 << 16};

// Shape coordinates are pulled into this range first so that widths, pen
// offsets and corner sizes cannot overflow; far beyond any bitmap either way.
inline constexpr int CoordLimit = 1 << 29;
[[nodiscard]] constexpr int ClampCoord(int v) { return std::clamp(v, -CoordLimit, CoordLimit); }
[[nodiscard]] constexpr Rect ClampRect(const Rect& r) {
  return {ClampCoord(r.left), ClampCoord(r.top), ClampCoord(r.right), ClampCoord(r.bottom)};
}

struct PointF {
  double x = 0;
  double y = 0;
};

// One span per row: pixels whose centres lie in the ellipse inscribed in r. The
// rows through the middle always reach the left and right edges and every row
// holds at least the centre pixel(s), so the shape touches all four sides of r
// even when it is very flat or very thin. Symmetric in both axes by construction.
class EllipseRows {
 public:
  explicit EllipseRows(const Rect& r);
  [[nodiscard]] Span at(int y) const;

 private:
  Rect r_;
  double a_ = 0, b_ = 0;
};

class RoundRectRows {
 public:
  RoundRectRows(const Rect& r, int cornerWidth, int cornerHeight);
  [[nodiscard]] Span at(int y) const;

 private:
  Rect r_;
  int ew_ = 0, eh_ = 0;
  EllipseRows corner_;
};

// Pixels of a one-span-per-row shape whose four neighbours are all inside it:
// the shape minus its one-pixel boundary ring.
template <class Rows>
[[nodiscard]] Span InteriorAt(const Rows& rows, int y) {
  const Span m = rows.at(y), u = rows.at(y - 1), d = rows.at(y + 1);
  if (m.x1 <= m.x0 || u.x1 <= u.x0 || d.x1 <= d.x0) return {};
  const int x0 = std::max({m.x0 + 1, u.x0, d.x0});
  const int x1 = std::min({m.x1 - 1, u.x1, d.x1});
  return x1 > x0 ? Span{x0, x1} : Span{};
}

// Fills by the fill mode, sampling each pixel at (x + offset, y + offset): 0.5 for
// polygons whose vertices are pixel corners (shape fills, regions), 0 for outlines
// built around pixel centres (wide pens). Only rows and columns inside limit.
void RasterizePolygon(std::span<const PointF> points, FillMode mode, const Rect& limit,
                      SpanCollector& out, double offset = 0.5);
void RasterizePolygon(std::span<const Point> points, FillMode mode, const Rect& limit,
                      SpanCollector& out);

// A pen's round dab: pixel centres within radius of (cx, cy), top-left rule.
void RasterizeDisc(double cx, double cy, double radius, const Rect& limit, SpanCollector& out);

}  // namespace gfx
