#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/canvas_paint.h"

namespace gfx {

namespace {

// Runs fn(x0, x1) for the parts of [l, r) on row y that the clip lets through.
template <class Fn>
void ForClipped(const std::optional<Region>& clip, int y, int l, int r, Fn fn) {
  if (!clip) {
    fn(l, r);
    return;
  }
  for (const Span& s : clip->row(y)) {
    const int x0 = std::max(s.x0, l), x1 = std::min(s.x1, r);
    if (x1 > x0) fn(x0, x1);
    if (s.x0 >= r) break;
  }
}

}  // namespace

bool Canvas::PatBlt(int x, int y, int w, int h, std::uint32_t rop) {
  if (rop3::UsesSource(rop3::Index(rop))) return false;
  return BitBlt(x, y, w, h, nullptr, 0, 0, rop);
}

bool Canvas::BitBlt(int x, int y, int w, int h, const Bitmap* src, int sx, int sy,
                    std::uint32_t rop) {
  const std::uint8_t op = rop3::Index(rop);
  const bool useS = rop3::UsesSource(op);
  const bool useP = rop3::UsesPattern(op);
  if (useS && (!src || src->empty())) return false;
  if (w <= 0 || h <= 0) return true;
  Ink pat;
  if (useP) {
    pat = CanvasPainter::BrushInk(*this, s_.brush);
    if (pat.none) return true;
  }
  long long l = x, t = y, r = static_cast<long long>(x) + w, b = static_cast<long long>(y) + h;
  if (useS) {
    // Only where the source has pixels.
    l = std::max(l, static_cast<long long>(x) - sx);
    t = std::max(t, static_cast<long long>(y) - sy);
    r = std::min(r, static_cast<long long>(x) - sx + src->width());
    b = std::min(b, static_cast<long long>(y) - sy + src->height());
  }
  const Rect box = clipBox();
  l = std::max<long long>(l, box.left);
  t = std::max<long long>(t, box.top);
  r = std::min<long long>(r, box.right);
  b = std::min<long long>(b, box.bottom);
  if (r <= l || b <= t) return true;
  const int dl = static_cast<int>(l), dt = static_cast<int>(t), dr = static_cast<int>(r),
            db = static_cast<int>(b);
  const long long offX = static_cast<long long>(sx) - x, offY = static_cast<long long>(sy) - y;
  const bool self = useS && src == target_;
  // Reading rows of our own bitmap that this blit is about to overwrite: walk
  // bottom-up when the destination lies below the source.
  const bool upward = self && offY < 0;
  std::vector<Pixel> patRow(useP && !pat.solid ? static_cast<std::size_t>(dr - dl) : 0);
  std::vector<Pixel> srcRow(self ? static_cast<std::size_t>(dr - dl) : 0);
  Bitmap& dst = *target_;
  for (int i = 0; i < db - dt; ++i) {
    const int yy = upward ? db - 1 - i : dt + i;
    Pixel* drow = dst.row(yy);
    const Pixel* srow = useS ? src->row(static_cast<int>(yy + offY)) : nullptr;
    ForClipped(s_.clip, yy, dl, dr, [&](int x0, int x1) {
      const int n = x1 - x0;
      Rop3Row row{drow + x0, nullptr, nullptr, pat.color, n};
      if (useS) {
        const Pixel* s = srow + (x0 + offX);
        if (self && op != rop3::Index(rop3::SrcCopy)) {
          std::memcpy(srcRow.data(), s, static_cast<std::size_t>(n) * sizeof(Pixel));
          s = srcRow.data();
        }
        row.s = s;
      }
      if (!patRow.empty()) {
        pat.ExpandRow(x0, yy, n, patRow.data());
        row.p = patRow.data();
      }
      Rop3Apply(op, row);
    });
  }
  return true;
}

void Canvas::Tile(const Rect& dest, const Bitmap& src) {
  if (src.empty()) return;
  const Rect d = dest.Normalized();
  const Rect vis = Intersect(d, clipBox());
  if (vis.empty()) return;
  const int sw = src.width(), sh = src.height();
  // A row of the source repeated to at least 64 pixels, so that a tiny source
  // still copies in long runs.
  const int reps = std::max(1, (64 + sw - 1) / sw);
  std::vector<Pixel> wide(static_cast<std::size_t>(sw) * reps);
  const int period = sw * reps;
  int lastRow = -1;
  for (int y = vis.top; y < vis.bottom; ++y) {
    const int sy = static_cast<int>((static_cast<long long>(y) - d.top) % sh);
    if (sy != lastRow) {
      for (int k = 0; k < reps; ++k)
        std::memcpy(wide.data() + static_cast<std::size_t>(k) * sw, src.row(sy),
                    static_cast<std::size_t>(sw) * sizeof(Pixel));
      lastRow = sy;
    }
    Pixel* row = target_->row(y);
    ForClipped(s_.clip, y, vis.left, vis.right, [&](int x0, int x1) {
      int x = x0;
      while (x < x1) {
        const int phase = static_cast<int>((static_cast<long long>(x) - d.left) % sw);
        const int n = std::min(x1 - x, period - phase);
        std::memcpy(row + x, wide.data() + phase, static_cast<std::size_t>(n) * sizeof(Pixel));
        x += n;
      }
    });
  }
}

}  // namespace gfx
