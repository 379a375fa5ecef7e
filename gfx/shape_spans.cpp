#include "gfx/shape_spans.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gfx {

EllipseRows::EllipseRows(const Rect& r) : r_(r.Normalized()) {
  a_ = r_.width() / 2.0;
  b_ = r_.height() / 2.0;
}

Span EllipseRows::at(int y) const {
  if (r_.empty() || y < r_.top || y >= r_.bottom) return {};
  const long long cx2 = static_cast<long long>(r_.left) + r_.right;
  const long long cy2 = static_cast<long long>(r_.top) + r_.bottom;
  const double dy = (y + 0.5) - cy2 / 2.0;
  if (std::fabs(dy) <= 0.5) return {r_.left, r_.right};
  const double t = 1.0 - (dy / b_) * (dy / b_);
  const double hw = t > 0 ? a_ * std::sqrt(t) : 0.0;
  long long x0 = static_cast<long long>(std::ceil(cx2 / 2.0 - hw - 0.5));
  long long x1 = cx2 - x0;  // mirror image of x0, so both halves match exactly
  if (x1 <= x0) {
    x0 = (cx2 - 1) >> 1;
    x1 = cx2 - x0;
  }
  return {static_cast<int>(std::max<long long>(x0, r_.left)),
          static_cast<int>(std::min<long long>(x1, r_.right))};
}

RoundRectRows::RoundRectRows(const Rect& r, int cornerWidth, int cornerHeight)
    : r_(r.Normalized()),
      ew_(std::clamp(cornerWidth, 0, std::max(0, r_.width()))),
      eh_(std::clamp(cornerHeight, 0, std::max(0, r_.height()))),
      corner_(Rect{r_.left, r_.top, r_.left + ew_, r_.top + eh_}) {}

Span RoundRectRows::at(int y) const {
  if (r_.empty() || y < r_.top || y >= r_.bottom) return {};
  if (ew_ < 2 || eh_ < 2) return {r_.left, r_.right};
  const int half = eh_ / 2;
  int cy = 0;
  if (y < r_.top + half) cy = y;
  else if (y >= r_.bottom - half) cy = y - (r_.height() - eh_);
  else return {r_.left, r_.right};
  const Span s = corner_.at(cy);
  return {s.x0, s.x1 + (r_.width() - ew_)};
}

namespace {

struct Crossing {
  int y;
  double x;
  int dir;
};

}  // namespace

void RasterizePolygon(std::span<const PointF> pts, FillMode mode, const Rect& limit,
                      SpanCollector& out, double offset) {
  if (pts.size() < 3) return;
  std::vector<Crossing> xs;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const PointF a = pts[i];
    const PointF b = pts[(i + 1) % pts.size()];
    if (a.y == b.y) continue;
    const int dir = b.y > a.y ? 1 : -1;
    const PointF lo = dir > 0 ? a : b;
    const PointF hi = dir > 0 ? b : a;
    // Rows whose sample line y + offset falls in [lo.y, hi.y).
    double fy0 = std::ceil(lo.y - offset);
    double fy1 = std::ceil(hi.y - offset);
    fy0 = std::max(fy0, static_cast<double>(limit.top));
    fy1 = std::min(fy1, static_cast<double>(limit.bottom));
    if (fy1 <= fy0) continue;
    const double slope = (hi.x - lo.x) / (hi.y - lo.y);
    for (int y = static_cast<int>(fy0); y < static_cast<int>(fy1); ++y)
      xs.push_back({y, lo.x + (y + offset - lo.y) * slope, dir});
  }
  std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) {
    return p.y != q.y ? p.y < q.y : p.x < q.x;
  });
  auto toPixel = [&](double x) {
    const double v = std::ceil(x - offset);
    return static_cast<int>(std::clamp(v, static_cast<double>(limit.left),
                                       static_cast<double>(limit.right)));
  };
  std::size_t i = 0;
  while (i < xs.size()) {
    std::size_t j = i;
    while (j < xs.size() && xs[j].y == xs[i].y) ++j;
    int winding = 0;
    for (std::size_t k = i; k + 1 < j; ++k) {
      winding += mode == FillMode::Alternate ? 1 : xs[k].dir;
      const bool inside = mode == FillMode::Alternate ? (winding & 1) != 0 : winding != 0;
      if (inside) out.Add(xs[k].y, toPixel(xs[k].x), toPixel(xs[k + 1].x));
    }
    i = j;
  }
}

void RasterizePolygon(std::span<const Point> points, FillMode mode, const Rect& limit,
                      SpanCollector& out) {
  std::vector<PointF> f;
  f.reserve(points.size());
  for (const Point& p : points) f.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  RasterizePolygon(f, mode, limit, out, 0.5);
}

void RasterizeDisc(double cx, double cy, double radius, const Rect& limit, SpanCollector& out) {
  if (radius <= 0) return;
  const int y0 = static_cast<int>(std::max(std::ceil(cy - radius), static_cast<double>(limit.top)));
  const int y1 = static_cast<int>(std::min(std::ceil(cy + radius), static_cast<double>(limit.bottom)));
  for (int y = y0; y < y1; ++y) {
    const double dy = y - cy;
    const double hw = std::sqrt(std::max(0.0, radius * radius - dy * dy));
    const double x0 = std::max(std::ceil(cx - hw), static_cast<double>(limit.left));
    const double x1 = std::min(std::ceil(cx + hw), static_cast<double>(limit.right));
    if (x1 > x0) out.Add(y, static_cast<int>(x0), static_cast<int>(x1));
  }
}

}  // namespace gfx
