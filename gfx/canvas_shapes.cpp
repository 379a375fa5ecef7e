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

PenReach reachOf(const Pen& p) {
  const int w = std::clamp(p.width, 1, 1 << 24);
  return {w, w / 2, (w - 1) / 2};
}

// The box the pen's path runs along: the bounding box itself, or for an
// inside-frame pen the box pulled in so that the whole outline stays within.
Rect pathBox(const Rect& r, const Pen& p, const PenReach& k) {
  if (p.style != PenStyle::InsideFrame || k.w <= 1) return r;
  return {r.left + k.lo, r.top + k.lo, r.right - k.hi, r.bottom - k.hi};
}

bool isStyled(const Pen& p) {
  return p.width <= 1 && p.style != PenStyle::Solid && p.style != PenStyle::InsideFrame &&
         p.style != PenStyle::Clear;
}

// Outline band and inside of a shape given as one span per row: the band is the
// outer shape less the interior of the inner one, the inside is that interior.
template <class Rows>
void bandAndInside(const Rows& outer, const Rect& outerBox, const Rows& inner, const Rect& lim,
                   SpanCollector& band, SpanCollector& inside) {
  const Rect rows = intersect(outerBox, lim);
  for (int y = rows.top; y < rows.bottom; ++y) {
    const Span o = outer.at(y);
    const Span in = interiorAt(inner, y);
    if (in.x1 > in.x0) {
      band.add(y, std::max(o.x0, lim.left), std::min(in.x0, lim.right));
      band.add(y, std::max(in.x1, lim.left), std::min(o.x1, lim.right));
      inside.add(y, std::max(in.x0, lim.left), std::min(in.x1, lim.right));
    } else {
      band.add(y, std::max(o.x0, lim.left), std::min(o.x1, lim.right));
    }
  }
}

template <class Rows>
void fillRows(const Rows& rows, const Rect& box, const Rect& lim, SpanCollector& out) {
  const Rect r = intersect(box, lim);
  for (int y = r.top; y < r.bottom; ++y) {
    const Span s = rows.at(y);
    out.add(y, std::max(s.x0, lim.left), std::min(s.x1, lim.right));
  }
}

}  // namespace

void Canvas::rectangle(int l, int t, int r, int b) {
  const Rect n = clampRect(Rect{l, t, r, b}).normalized();
  const Rect lim = CanvasPainter::limit(*this);
  const Ink brush = CanvasPainter::brushInk(*this, s_.brush);
  SpanCollector inside;
  if (s_.pen.style == PenStyle::Clear) {
    // Without a pen the platform fills one pixel less in width and height.
    inside.addRect(intersect(Rect{n.left, n.top, n.right - 1, n.bottom - 1}, lim));
    CanvasPainter::paint(*this, inside.build(), brush, s_.rop2);
    return;
  }
  const PenReach k = reachOf(s_.pen);
  const Rect box = pathBox(n, s_.pen, k);
  if (box.empty()) return;
  const Rect inner{box.left + k.hi + 1, box.top + k.hi + 1, box.right - 1 - k.lo,
                   box.bottom - 1 - k.lo};
  inside.addRect(intersect(inner, lim));
  if (isStyled(s_.pen)) {
    const Point path[4] = {{box.left, box.top}, {box.right - 1, box.top},
                           {box.right - 1, box.bottom - 1}, {box.left, box.bottom - 1}};
    CanvasPainter::paint(*this, inside.build(), brush, s_.rop2);
    CanvasPainter::paintStroke(*this, CanvasPainter::strokeCoverage(*this, path, true));
    return;
  }
  const Rect outer{box.left - k.lo, box.top - k.lo, box.right + k.hi, box.bottom + k.hi};
  SpanCollector band;
  band.addRect(intersect(outer, lim));
  const Region in = inside.build();
  CanvasPainter::paint(*this, in, brush, s_.rop2);
  CanvasPainter::paint(*this, band.build().subtracted(in), CanvasPainter::penInk(*this, s_.pen.color),
                       s_.rop2);
}

namespace {

// Shared by ellipse and rounded rectangle: Rows(box) describes the shape in a box.
template <class Make>
void drawRoundShape(Canvas& c, const Rect& n, Make make) {
  const Rect lim = CanvasPainter::limit(c);
  const Ink brush = CanvasPainter::brushInk(c, c.state().brush);
  const Pen& pen = c.state().pen;
  SpanCollector band, inside;
  if (pen.style == PenStyle::Clear) {
    const Rect box{n.left, n.top, n.right - 1, n.bottom - 1};
    fillRows(make(box, 0), box, lim, inside);
    CanvasPainter::paint(c, inside.build(), brush, c.state().rop2);
    return;
  }
  const PenReach k = reachOf(pen);
  const Rect box = pathBox(n, pen, k);
  if (box.empty()) return;
  const Rect outerBox{box.left - k.lo, box.top - k.lo, box.right + k.hi, box.bottom + k.hi};
  const Rect innerBox{box.left + k.hi, box.top + k.hi, box.right - k.lo, box.bottom - k.lo};
  bandAndInside(make(outerBox, k.w - 1), outerBox, make(innerBox, 1 - k.w), lim, band, inside);
  CanvasPainter::paint(c, inside.build(), brush, c.state().rop2);
  CanvasPainter::paint(c, band.build(), CanvasPainter::penInk(c, pen.color), c.state().rop2);
}

}  // namespace

void Canvas::ellipse(int l, int t, int r, int b) {
  drawRoundShape(*this, clampRect(Rect{l, t, r, b}).normalized(),
                 [](const Rect& box, int) { return EllipseRows(box); });
}

void Canvas::roundRect(int l, int t, int r, int b, int cornerWidth, int cornerHeight) {
  const int ew = std::max(0, cornerWidth), eh = std::max(0, cornerHeight);
  drawRoundShape(*this, clampRect(Rect{l, t, r, b}).normalized(), [ew, eh](const Rect& box, int grow) {
    return RoundRectRows(box, std::max(0, ew + grow), std::max(0, eh + grow));
  });
}

void Canvas::polygon(std::span<const Point> pts) {
  if (pts.size() < 2) return;
  const Rect lim = CanvasPainter::limit(*this);
  SpanCollector fill;
  rasterizePolygon(pts, s_.polygonFillMode, lim, fill);
  const CanvasPainter::Stroke outline = CanvasPainter::strokeCoverage(*this, pts, true);
  // Pixels under the outline are left to the pen, so each is touched once.
  Region inside = fill.build().subtracted(outline.ink);
  if (s_.backgroundMode == BackgroundMode::Opaque) inside = inside.subtracted(outline.gaps);
  CanvasPainter::paint(*this, inside, CanvasPainter::brushInk(*this, s_.brush), s_.rop2);
  CanvasPainter::paintStroke(*this, outline);
}

void Canvas::fillRect(const Rect& r, const Brush& b) {
  SpanCollector c;
  c.addRect(intersect(r.normalized(), CanvasPainter::limit(*this)));
  CanvasPainter::paint(*this, c.build(), CanvasPainter::brushInk(*this, b), Rop2::CopyPen);
}

void Canvas::frameRect(const Rect& r, const Brush& b) {
  const Rect n = r.normalized();
  if (n.empty()) return;
  const Rect lim = CanvasPainter::limit(*this);
  SpanCollector c;
  c.addRect(intersect(Rect{n.left, n.top, n.right, n.top + 1}, lim));
  c.addRect(intersect(Rect{n.left, n.bottom - 1, n.right, n.bottom}, lim));
  c.addRect(intersect(Rect{n.left, n.top, n.left + 1, n.bottom}, lim));
  c.addRect(intersect(Rect{n.right - 1, n.top, n.right, n.bottom}, lim));
  CanvasPainter::paint(*this, c.build(), CanvasPainter::brushInk(*this, b), Rop2::CopyPen);
}

void Canvas::fillRegion(const Region& region, const Brush& b) {
  CanvasPainter::paint(*this, region.intersected(CanvasPainter::limit(*this)),
                       CanvasPainter::brushInk(*this, b), Rop2::CopyPen);
}

void Canvas::drawFocusRect(const Rect& r) {
  const Rect n = r.normalized();
  if (n.empty()) return;
  const Rect lim = intersect(n, CanvasPainter::limit(*this));
  if (lim.empty()) return;
  SpanCollector c;
  auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0 && lim.contains(x, y)) c.add(y, x, x + 1);
  };
  for (int y : {n.top, n.bottom - 1}) {
    if (y < lim.top || y >= lim.bottom) continue;
    for (int x = lim.left; x < lim.right; ++x) dot(x, y);
  }
  for (int x : {n.left, n.right - 1}) {
    if (x < lim.left || x >= lim.right) continue;
    for (int y = std::max(lim.top, n.top + 1); y < std::min(lim.bottom, n.bottom - 1); ++y) dot(x, y);
  }
  CanvasPainter::paint(*this, c.build(), CanvasPainter::penInk(*this, 0xFFFFFF), Rop2::XorPen);
}

}  // namespace gfx
