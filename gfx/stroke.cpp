#include "gfx/stroke.h"

#include <cmath>
#include <vector>

#include "gfx/shape_spans.h"

namespace gfx {

namespace {

struct DashPattern {
  const int* lengths;
  int count;
  int period;
};

// The platform's cosmetic pen styles, in pixels on and off.
DashPattern DashPatternOf(PenStyle s) {
  static constexpr int dash[] = {18, 6};
  static constexpr int dot[] = {3, 3};
  static constexpr int dashDot[] = {9, 6, 3, 6};
  static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (s) {
    case PenStyle::Dash: return {dash, 2, 24};
    case PenStyle::Dot: return {dot, 2, 6};
    case PenStyle::DashDot: return {dashDot, 4, 24};
    case PenStyle::DashDotDot: return {dashDotDot, 6, 24};
    default: return {nullptr, 0, 0};
  }
}

bool IsDash(const DashPattern& p, long long pos) {
  int k = static_cast<int>(pos % p.period);
  for (int i = 0; i < p.count; ++i) {
    if (k < p.lengths[i]) return (i % 2) == 0;
    k -= p.lengths[i];
  }
  return true;
}

void StrokeThin(std::span<const Point> pts, bool closed, PenStyle style, const Rect& limit,
                SpanCollector& ink, SpanCollector& gaps, long long& stylePos) {
  const DashPattern dp = DashPatternOf(style);
  const std::size_t segments = closed ? pts.size() : pts.size() - 1;
  for (std::size_t s = 0; s < segments; ++s) {
    const Point a = pts[s];
    const Point b = pts[(s + 1) % pts.size()];
    const long long base = stylePos;
    WalkThinLine(a, b, limit, [&](int x, int y, long long i) {
      if (!dp.lengths || IsDash(dp, base + i)) ink.Add(y, x, x + 1);
      else gaps.Add(y, x, x + 1);
    });
    stylePos += std::max(std::llabs(static_cast<long long>(b.x) - a.x),
                         std::llabs(static_cast<long long>(b.y) - a.y));
  }
}

void AddQuad(PointF a, PointF b, PointF c, PointF d, const Rect& limit, SpanCollector& out) {
  const PointF q[4] = {a, b, c, d};
  RasterizePolygon(q, FillMode::Winding, limit, out, 0.0);
}

void StrokeWide(std::span<const Point> pts, bool closed, const Pen& pen, const Rect& limit,
                SpanCollector& out) {
  const double r = pen.width / 2.0;
  // Pieces are rasterised one by one and united, so overlaps at joints count once.
  const Rect rows = Intersect(limit, ShapeLimit);
  // Drop repeated points: they have no direction.
  std::vector<PointF> p;
  for (const Point& q : pts) {
    const PointF f{static_cast<double>(q.x), static_cast<double>(q.y)};
    if (p.empty() || p.back().x != f.x || p.back().y != f.y) p.push_back(f);
  }
  if (closed && p.size() > 1 && p.front().x == p.back().x && p.front().y == p.back().y)
    p.pop_back();
  if (rows.empty()) return;
  if (p.size() == 1) {
    if (pen.cap == LineCap::Round) RasterizeDisc(p[0].x, p[0].y, r, rows, out);
    else if (pen.cap == LineCap::Square)
      AddQuad({p[0].x - r, p[0].y - r}, {p[0].x + r, p[0].y - r}, {p[0].x + r, p[0].y + r},
              {p[0].x - r, p[0].y + r}, rows, out);
    return;
  }
  const std::size_t n = p.size();
  const std::size_t segments = closed ? n : n - 1;
  auto unitNormal = [&](PointF a, PointF b, PointF& dir) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len = std::sqrt(dx * dx + dy * dy);
    dir = {dx / len, dy / len};
    return PointF{-dir.y * r, dir.x * r};
  };
  for (std::size_t s = 0; s < segments; ++s) {
    PointF a = p[s], b = p[(s + 1) % n], d{};
    const PointF nrm = unitNormal(a, b, d);
    if (!closed && pen.cap == LineCap::Square) {
      if (s == 0) a = {a.x - d.x * r, a.y - d.y * r};
      if (s == segments - 1) b = {b.x + d.x * r, b.y + d.y * r};
    }
    AddQuad({a.x + nrm.x, a.y + nrm.y}, {b.x + nrm.x, b.y + nrm.y}, {b.x - nrm.x, b.y - nrm.y},
            {a.x - nrm.x, a.y - nrm.y}, rows, out);
  }
  // Joins at inner vertices (all of them on a closed path), caps at the ends.
  for (std::size_t v = 0; v < n; ++v) {
    const bool end = !closed && (v == 0 || v == n - 1);
    if (end) {
      if (pen.cap == LineCap::Round) RasterizeDisc(p[v].x, p[v].y, r, rows, out);
      continue;
    }
    if (pen.join == LineJoin::Round) {
      RasterizeDisc(p[v].x, p[v].y, r, rows, out);
      continue;
    }
    PointF d1{}, d2{};
    const PointF n1 = unitNormal(p[(v + n - 1) % n], p[v], d1);
    const PointF n2 = unitNormal(p[v], p[(v + 1) % n], d2);
    const PointF c = p[v];
    const PointF t1[3] = {c, {c.x + n1.x, c.y + n1.y}, {c.x + n2.x, c.y + n2.y}};
    const PointF t2[3] = {c, {c.x - n1.x, c.y - n1.y}, {c.x - n2.x, c.y - n2.y}};
    RasterizePolygon(t1, FillMode::Winding, rows, out, 0.0);
    RasterizePolygon(t2, FillMode::Winding, rows, out, 0.0);
  }
}

}  // namespace

void StrokePath(std::span<const Point> pts, bool closed, const Pen& pen, const Rect& limit,
                SpanCollector& ink, SpanCollector& gaps, long long& stylePos) {
  if (pen.style == PenStyle::Clear || pts.empty()) return;
  if (pen.width <= 1) {
    if (pts.size() >= 2) StrokeThin(pts, closed, pen.style, limit, ink, gaps, stylePos);
    return;
  }
  StrokeWide(pts, closed, pen, limit, ink);
}

}  // namespace gfx
