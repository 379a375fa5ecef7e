#include <algorithm>

#include "gfx/canvas_paint.h"
#include "gfx/stroke.h"

namespace gfx {

Canvas::Canvas(Bitmap& target, FontService* fonts) : target_(&target), fonts_(fonts) {
  setFont(s_.font);
}

void Canvas::setFont(const Font& f) {
  s_.font = f;
  s_.textColor = f.color;
  s_.face = fonts_ ? fonts_->Open(f) : nullptr;
}

Rect Canvas::clipBox() const {
  const Rect b = target_->bounds();
  return s_.clip ? Intersect(b, s_.clip->bounds()) : b;
}

void Canvas::setPixel(int x, int y, Color c) {
  if (!clipBox().Contains(x, y)) return;
  if (s_.clip && !s_.clip->Contains(x, y)) return;
  target_->setPixel(x, y, c);
}

void Ink::ExpandRow(int x, int y, int n, Pixel* out) const {
  if (solid) {
    std::fill(out, out + n, color);
    return;
  }
  const Pixel* t = tile[(y - origin.y) & 7];
  const int phase = (x - origin.x) & 7;
  for (int i = 0; i < n; ++i) out[i] = t[(phase + i) & 7];
}

Ink CanvasPainter::PenInk(const Canvas&, Color color) {
  Ink ink;
  ink.color = ToPixel(color) & RgbMask;
  return ink;
}

Ink CanvasPainter::BrushInk(const Canvas& c, const Brush& b) {
  Ink ink;
  ink.origin = c.s_.brushOrigin;
  switch (b.kind) {
    case Brush::Kind::Clear: ink.none = true; return ink;
    case Brush::Kind::Solid: ink.color = ToPixel(b.color) & RgbMask; return ink;
    case Brush::Kind::Hatch:
    case Brush::Kind::Pattern: break;
  }
  ink.solid = false;
  const bool hatch = b.kind == Brush::Kind::Hatch;
  const PatternBits bits = hatch ? HatchBits(b.hatch) : b.bits;
  const Pixel fg = ToPixel(hatch ? b.color : c.s_.textColor) & RgbMask;
  const Pixel bg = ToPixel(c.s_.backgroundColor) & RgbMask;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool one = (bits[y] & (0x80 >> x)) != 0;
      // Hatch lines are the 1 bits; a pattern's 0 bits take the text colour.
      ink.tile[y][x] = hatch ? (one ? fg : bg) : (one ? bg : fg);
    }
    if (hatch && c.s_.backgroundMode == BackgroundMode::Transparent) ink.mask[y] = bits[y];
  }
  return ink;
}

Rect CanvasPainter::Limit(const Canvas& c, int margin) {
  const Rect b = c.clipBox();
  if (b.empty()) return {};
  return {b.left - margin, b.top - margin, b.right + margin, b.bottom + margin};
}

void CanvasPainter::Paint(Canvas& c, const Region& coverage, const Ink& ink, Rop2 mode) {
  if (ink.none || coverage.empty() || mode == Rop2::Nop) return;
  const Region clipped = c.s_.clip ? coverage.Intersected(*c.s_.clip) : coverage;
  Bitmap& bmp = *c.target_;
  const Rect area = Intersect(clipped.bounds(), bmp.bounds());
  for (int y = area.top; y < area.bottom; ++y) {
    Pixel* row = bmp.row(y);
    const Pixel* tile = ink.tile[(y - ink.origin.y) & 7];
    const std::uint8_t mask = ink.mask[(y - ink.origin.y) & 7];
    for (const Span& s : clipped.row(y)) {
      const int x0 = std::max(s.x0, area.left), x1 = std::min(s.x1, area.right);
      if (x1 <= x0) continue;
      if (ink.solid) Rop2Row(mode, row + x0, x1 - x0, ink.color);
      else Rop2PatternRow(mode, row + x0, x1 - x0, tile, mask, (x0 - ink.origin.x) & 7);
    }
  }
}

CanvasPainter::Stroke CanvasPainter::StrokeCoverage(const Canvas& c, std::span<const Point> pts,
                                                     bool closed) {
  Stroke out;
  const Rect lim = Limit(c, 1);
  if (lim.empty() || c.s_.pen.style == PenStyle::Clear) return out;
  SpanCollector ink, gaps;
  long long stylePos = 0;
  StrokePath(pts, closed, c.s_.pen, lim, ink, gaps, stylePos);
  out.ink = ink.Build();
  out.gaps = gaps.Build();
  return out;
}

void CanvasPainter::PaintStroke(Canvas& c, const Stroke& s) {
  Paint(c, s.ink, PenInk(c, c.s_.pen.color), c.s_.rop2);
  if (!s.gaps.empty() && c.s_.backgroundMode == BackgroundMode::Opaque)
    Paint(c, s.gaps, PenInk(c, c.s_.backgroundColor), c.s_.rop2);
}

}  // namespace gfx
