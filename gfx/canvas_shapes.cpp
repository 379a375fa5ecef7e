#include <algorithm>
#include <vector>

#include "gfx/canvas_paint.h"
#include "gfx/shape_spans.h"

namespace gfx {

namespace {

// How far a pen of width w reaches to the left/top (lo) and to the right/bottom
// (hi) of the pixel its path runs through; even widths lean to the top-left.
struct PenReach {
  int w, lo, hi;
};

PenReach ReachOf(const Pen& p) {
  const int w = std::clamp(p.width, 1, 1 << 24);
  return {w, w / 2, (w - 1) / 2};
}

// The box the pen's path runs along: the bounding box itself, or for an
// inside-frame pen the box pulled in so that the whole outline stays within.
Rect PathBox(const Rect& r, const Pen& p, const PenReach& k) {
  if (p.style != PenStyle::InsideFrame || k.w <= 1) return r;
  return {r.left + k.lo, r.top + k.lo, r.right - k.hi, r.bottom - k.hi};
}

bool IsStyled(const Pen& p) {
  return p.width <= 1 && p.style != PenStyle::Solid && p.style != PenStyle::InsideFrame &&
         p.style != PenStyle::Clear;
}

// Outline band and inside of a shape given as one span per row: the band is the
// outer shape less the interior of the inner one, the inside is that interior.
template <class Rows>
void BandAndInside(const Rows& outer, const Rect& outerBox, const Rows& inner, const Rect& lim,
                   SpanCollector& band, SpanCollector& inside) {
  const Rect rows = Intersect(outerBox, lim);
  for (int y = rows.top; y < rows.bottom; ++y) {
    const Span o = outer.at(y);
    const Span in = InteriorAt(inner, y);
    if (in.x1 > in.x0) {
      band.Add(y, std::max(o.x0, lim.left), std::min(in.x0, lim.right));
      band.Add(y, std::max(in.x1, lim.left), std::min(o.x1, lim.right));
      inside.Add(y, std::max(in.x0, lim.left), std::min(in.x1, lim.right));
    } else {
      band.Add(y, std::max(o.x0, lim.left), std::min(o.x1, lim.right));
    }
  }
}

template <class Rows>
void FillRows(const Rows& rows, const Rect& box, const Rect& lim, SpanCollector& out) {
  const Rect r = Intersect(box, lim);
  for (int y = r.top; y < r.bottom; ++y) {
    const Span s = rows.at(y);
    out.Add(y, std::max(s.x0, lim.left), std::min(s.x1, lim.right));
  }
}

}  // namespace

void Canvas::Rectangle(int l, int t, int r, int b) {
  const Rect n = ClampRect(Rect{l, t, r, b}).Normalized();
  const Rect lim = CanvasPainter::Limit(*this);
  const Ink brush = CanvasPainter::BrushInk(*this, s_.brush);
  SpanCollector inside;
  if (s_.pen.style == PenStyle::Clear) {
    // Without a pen the platform fills one pixel less in width and height.
    inside.AddRect(Intersect(Rect{n.left, n.top, n.right - 1, n.bottom - 1}, lim));
    CanvasPainter::Paint(*this, inside.Build(), brush, s_.rop2);
    return;
  }
  const PenReach k = ReachOf(s_.pen);
  const Rect box = PathBox(n, s_.pen, k);
  if (box.empty()) return;
  const Rect inner{box.left + k.hi + 1, box.top + k.hi + 1, box.right - 1 - k.lo,
                   box.bottom - 1 - k.lo};
  inside.AddRect(Intersect(inner, lim));
  if (IsStyled(s_.pen)) {
    const Point path[4] = {{box.left, box.top}, {box.right - 1, box.top},
                           {box.right - 1, box.bottom - 1}, {box.left, box.bottom - 1}};
    CanvasPainter::Paint(*this, inside.Build(), brush, s_.rop2);
    CanvasPainter::PaintStroke(*this, CanvasPainter::StrokeCoverage(*this, path, true));
    return;
  }
  const Rect outer{box.left - k.lo, box.top - k.lo, box.right + k.hi, box.bottom + k.hi};
  SpanCollector band;
  band.AddRect(Intersect(outer, lim));
  const Region in = inside.Build();
  CanvasPainter::Paint(*this, in, brush, s_.rop2);
  CanvasPainter::Paint(*this, band.Build().Subtracted(in), CanvasPainter::PenInk(*this, s_.pen.color),
                       s_.rop2);
}

namespace {

// Shared by ellipse and rounded rectangle: Rows(box) describes the shape in a box.
template <class Make>
void DrawRoundShape(Canvas& c, const Rect& n, Make make) {
  const Rect lim = CanvasPainter::Limit(c);
  const Ink brush = CanvasPainter::BrushInk(c, c.state().brush);
  const Pen& pen = c.state().pen;
  SpanCollector band, inside;
  if (pen.style == PenStyle::Clear) {
    const Rect box{n.left, n.top, n.right - 1, n.bottom - 1};
    FillRows(make(box, 0), box, lim, inside);
    CanvasPainter::Paint(c, inside.Build(), brush, c.state().rop2);
    return;
  }
  const PenReach k = ReachOf(pen);
  const Rect box = PathBox(n, pen, k);
  if (box.empty()) return;
  const Rect outerBox{box.left - k.lo, box.top - k.lo, box.right + k.hi, box.bottom + k.hi};
  const Rect innerBox{box.left + k.hi, box.top + k.hi, box.right - k.lo, box.bottom - k.lo};
  BandAndInside(make(outerBox, k.w - 1), outerBox, make(innerBox, 1 - k.w), lim, band, inside);
  CanvasPainter::Paint(c, inside.Build(), brush, c.state().rop2);
  CanvasPainter::Paint(c, band.Build(), CanvasPainter::PenInk(c, pen.color), c.state().rop2);
}

}  // namespace

void Canvas::Ellipse(int l, int t, int r, int b) {
  DrawRoundShape(*this, ClampRect(Rect{l, t, r, b}).Normalized(),
                 [](const Rect& box, int) { return EllipseRows(box); });
}

void Canvas::RoundRect(int l, int t, int r, int b, int cornerWidth, int cornerHeight) {
  const int ew = std::max(0, cornerWidth), eh = std::max(0, cornerHeight);
  DrawRoundShape(*this, ClampRect(Rect{l, t, r, b}).Normalized(), [ew, eh](const Rect& box, int grow) {
    return RoundRectRows(box, std::max(0, ew + grow), std::max(0, eh + grow));
  });
}

void Canvas::Polygon(std::span<const Point> pts) {
  if (pts.size() < 2) return;
  const Rect lim = CanvasPainter::Limit(*this);
  SpanCollector fill;
  RasterizePolygon(pts, s_.polygonFillMode, lim, fill);
  const CanvasPainter::Stroke outline = CanvasPainter::StrokeCoverage(*this, pts, true);
  // Pixels under the outline are left to the pen, so each is touched once.
  Region inside = fill.Build().Subtracted(outline.ink);
  if (s_.backgroundMode == BackgroundMode::Opaque) inside = inside.Subtracted(outline.gaps);
  CanvasPainter::Paint(*this, inside, CanvasPainter::BrushInk(*this, s_.brush), s_.rop2);
  CanvasPainter::PaintStroke(*this, outline);
}

void Canvas::FillRect(const Rect& r, const Brush& b) {
  SpanCollector c;
  c.AddRect(Intersect(r.Normalized(), CanvasPainter::Limit(*this)));
  CanvasPainter::Paint(*this, c.Build(), CanvasPainter::BrushInk(*this, b), Rop2::CopyPen);
}

void Canvas::FrameRect(const Rect& r, const Brush& b) {
  const Rect n = r.Normalized();
  if (n.empty()) return;
  const Rect lim = CanvasPainter::Limit(*this);
  SpanCollector c;
  c.AddRect(Intersect(Rect{n.left, n.top, n.right, n.top + 1}, lim));
  c.AddRect(Intersect(Rect{n.left, n.bottom - 1, n.right, n.bottom}, lim));
  c.AddRect(Intersect(Rect{n.left, n.top, n.left + 1, n.bottom}, lim));
  c.AddRect(Intersect(Rect{n.right - 1, n.top, n.right, n.bottom}, lim));
  CanvasPainter::Paint(*this, c.Build(), CanvasPainter::BrushInk(*this, b), Rop2::CopyPen);
}

void Canvas::FillRegion(const Region& region, const Brush& b) {
  CanvasPainter::Paint(*this, region.Intersected(CanvasPainter::Limit(*this)),
                       CanvasPainter::BrushInk(*this, b), Rop2::CopyPen);
}

void Canvas::DrawFocusRect(const Rect& r) {
  const Rect n = r.Normalized();
  if (n.empty()) return;
  const Rect lim = Intersect(n, CanvasPainter::Limit(*this));
  if (lim.empty()) return;
  SpanCollector c;
  auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0 && lim.Contains(x, y)) c.Add(y, x, x + 1);
  };
  for (int y : {n.top, n.bottom - 1}) {
    if (y < lim.top || y >= lim.bottom) continue;
    for (int x = lim.left; x < lim.right; ++x) dot(x, y);
  }
  for (int x : {n.left, n.right - 1}) {
    if (x < lim.left || x >= lim.right) continue;
    for (int y = std::max(lim.top, n.top + 1); y < std::min(lim.bottom, n.bottom - 1); ++y) dot(x, y);
  }
  CanvasPainter::Paint(*this, c.Build(), CanvasPainter::PenInk(*this, 0xFFFFFF), Rop2::XorPen);
}

}  // namespace gfx
