#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "gfx/canvas_paint.h"

namespace gfx {

namespace {

// Source index for each destination index of one axis, sampling at pixel centres
// so that an enlargement by k repeats every source pixel exactly k times. The
// mapping is computed from the unclipped destination, so a clipped stretch is
// exactly the visible part of the whole one.
struct AxisMap {
  int first = 0;  // first visible destination coordinate
  std::vector<int> src;
};

struct Axis {
  long long d0, dn;  // destination origin and size (positive)
  long long s0, sn;  // source origin and size (positive)
  bool flip;
  int vis0, vis1;    // visible destination range
  int limit;         // source bitmap size on this axis
};

AxisMap NearestMap(const Axis& a) {
  AxisMap m;
  int lo = a.vis1, hi = a.vis0;
  std::vector<int> all;
  all.reserve(static_cast<std::size_t>(std::max(0, a.vis1 - a.vis0)));
  for (int v = a.vis0; v < a.vis1; ++v) {
    const long long i = v - a.d0;
    const long long k = a.flip ? a.dn - 1 - i : i;
    const long long s = a.s0 + static_cast<long long>((static_cast<__int128>(2 * k + 1) * a.sn) / (2 * a.dn));
    const int si = (s >= 0 && s < a.limit) ? static_cast<int>(s) : -1;
    all.push_back(si);
    if (si >= 0) {
      lo = std::min(lo, v);
      hi = std::max(hi, v + 1);
    }
  }
  if (hi <= lo) return m;
  m.first = lo;
  m.src.assign(all.begin() + (lo - a.vis0), all.begin() + (hi - a.vis0));
  return m;
}

// Filter taps of one destination index: source index and weight (sum 65536).
struct Taps {
  std::vector<int> start;  // into idx/weight, one more entry than indices
  std::vector<int> idx;
  std::vector<int> weight;
};

Taps SmoothTaps(const Axis& a) {
  Taps t;
  const double scale = static_cast<double>(a.sn) / static_cast<double>(a.dn);
  const long long lastSrc = std::min<long long>(a.s0 + a.sn, a.limit) - 1;
  const long long firstSrc = std::max<long long>(a.s0, 0);
  auto clampSrc = [&](long long i) { return static_cast<int>(std::clamp(i, firstSrc, lastSrc)); };
  for (int v = a.vis0; v < a.vis1; ++v) {
    const long long i = v - a.d0;
    const long long k = a.flip ? a.dn - 1 - i : i;
    t.start.push_back(static_cast<int>(t.idx.size()));
    std::vector<std::pair<int, double>> taps;
    if (a.sn <= a.dn) {
      const double c = (k + 0.5) * scale - 0.5;
      const double f = std::floor(c);
      const double frac = c - f;
      taps.push_back({clampSrc(a.s0 + static_cast<long long>(f)), 1.0 - frac});
      taps.push_back({clampSrc(a.s0 + static_cast<long long>(f) + 1), frac});
    } else {
      const double s = k * scale, e = (k + 1) * scale;
      for (long long j = static_cast<long long>(std::floor(s)); j < std::ceil(e); ++j) {
        const double cover = std::min(e, j + 1.0) - std::max(s, static_cast<double>(j));
        if (cover > 0) taps.push_back({clampSrc(a.s0 + j), cover / (e - s)});
      }
    }
    int sum = 0, best = 0;
    const std::size_t base = t.idx.size();
    for (std::size_t q = 0; q < taps.size(); ++q) {
      const int w = static_cast<int>(std::lround(taps[q].second * 65536.0));
      t.idx.push_back(taps[q].first);
      t.weight.push_back(w);
      sum += w;
      if (w > t.weight[base + best]) best = static_cast<int>(q);
    }
    t.weight[base + best] += 65536 - sum;
  }
  t.start.push_back(static_cast<int>(t.idx.size()));
  return t;
}

template <class Fn>
void ForClipped(const std::optional<Region>& clip, int y, int l, int r, Fn fn) {
  if (!clip) {
    fn(l, r);
    return;
  }
  for (const Span& s : clip->row(y)) {
    const int x0 = std::max(s.x0, l), x1 = std::min(s.x1, r);
    if (x1 > x0) fn(x0, x1);
  }
}

struct StretchSetup {
  Axis ax, ay;
  bool ok = false;
};

StretchSetup Setup(const Rect& box, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
                   int sw, int sh) {
  StretchSetup st;
  const bool flipX = (w < 0) != (sw < 0), flipY = (h < 0) != (sh < 0);
  long long dx = x, dw = w, dy = y, dh = h, s0x = sx, snx = sw, s0y = sy, sny = sh;
  if (dw < 0) dx += dw, dw = -dw;
  if (dh < 0) dy += dh, dh = -dh;
  if (snx < 0) s0x += snx, snx = -snx;
  if (sny < 0) s0y += sny, sny = -sny;
  const long long vx0 = std::max<long long>(dx, box.left), vx1 = std::min<long long>(dx + dw, box.right);
  const long long vy0 = std::max<long long>(dy, box.top), vy1 = std::min<long long>(dy + dh, box.bottom);
  if (vx1 <= vx0 || vy1 <= vy0) return st;
  st.ax = {dx, dw, s0x, snx, flipX, static_cast<int>(vx0), static_cast<int>(vx1), src.width()};
  st.ay = {dy, dh, s0y, sny, flipY, static_cast<int>(vy0), static_cast<int>(vy1), src.height()};
  st.ok = true;
  return st;
}

}  // namespace

bool Canvas::StretchBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw,
                        int sh, std::uint32_t rop) {
  const std::uint8_t op = rop3::Index(rop);
  if (!rop3::UsesSource(op)) return PatBlt(std::min(x, x + w), std::min(y, y + h), std::abs(w), std::abs(h), rop);
  if (src.empty()) return false;
  if (w == 0 || h == 0 || sw == 0 || sh == 0) return true;
  if (w == sw && h == sh && w > 0 && h > 0) return BitBlt(x, y, w, h, &src, sx, sy, rop);
  if (&src == target_) {
    // Reading our own pixels while overwriting them: stretch from a copy.
    const Rect sr = Rect{sx, sy, sx + sw, sy + sh}.Normalized();
    const Bitmap part = src.Copy(Intersect(sr, src.bounds()));
    const Rect in = Intersect(sr, src.bounds());
    return StretchBlt(x, y, w, h, part, sx - in.left, sy - in.top, sw, sh, rop);
  }
  if (Intersect(Rect{sx, sy, sx + sw, sy + sh}.Normalized(), src.bounds()).empty()) return true;
  const StretchSetup st = Setup(clipBox(), x, y, w, h, src, sx, sy, sw, sh);
  if (!st.ok) return true;
  Ink pat;
  const bool useP = rop3::UsesPattern(op);
  if (useP) {
    pat = CanvasPainter::BrushInk(*this, s_.brush);
    if (pat.none) return true;
  }
  const bool copy = op == rop3::Index(rop3::SrcCopy);
  std::vector<Pixel> tmp(static_cast<std::size_t>(st.ax.vis1 - st.ax.vis0));
  std::vector<Pixel> patRow(useP && !pat.solid ? tmp.size() : 0);
  auto combine = [&](Pixel* d, const Pixel* s, int x0, int yy, int n) {
    Rop3Row row{d, s, nullptr, pat.color, n};
    if (!patRow.empty()) {
      pat.ExpandRow(x0, yy, n, patRow.data());
      row.p = patRow.data();
    }
    Rop3Apply(op, row);
  };
  if (s_.stretchMode == StretchMode::Nearest) {
    const AxisMap mx = NearestMap(st.ax), my = NearestMap(st.ay);
    const int xEnd = mx.first + static_cast<int>(mx.src.size());
    for (std::size_t j = 0; j < my.src.size(); ++j) {
      const int yy = my.first + static_cast<int>(j);
      const Pixel* srow = src.row(my.src[j]);
      Pixel* drow = target_->row(yy);
      ForClipped(s_.clip, yy, mx.first, xEnd, [&](int x0, int x1) {
        const int* map = mx.src.data() + (x0 - mx.first);
        const int n = x1 - x0;
        if (copy) {
          for (int i = 0; i < n; ++i) drow[x0 + i] = srow[map[i]];
          return;
        }
        for (int i = 0; i < n; ++i) tmp[static_cast<std::size_t>(i)] = srow[map[i]];
        combine(drow + x0, tmp.data(), x0, yy, n);
      });
    }
    return true;
  }
  // Smooth: vertical taps into a row of per-channel sums, then horizontal taps.
  const Taps tx = SmoothTaps(st.ax), ty = SmoothTaps(st.ay);
  const int cmin = *std::min_element(tx.idx.begin(), tx.idx.end());
  const int cmax = *std::max_element(tx.idx.begin(), tx.idx.end());
  const std::size_t cw = static_cast<std::size_t>(cmax - cmin + 1);
  std::vector<std::uint32_t> acc(cw * 3);
  std::vector<Pixel> filtered(tmp.size());
  for (int yy = st.ay.vis0; yy < st.ay.vis1; ++yy) {
    const int j = yy - st.ay.vis0;
    std::fill(acc.begin(), acc.end(), 0u);
    for (int q = ty.start[j]; q < ty.start[j + 1]; ++q) {
      const Pixel* srow = src.row(ty.idx[q]) + cmin;
      const std::uint32_t wv = static_cast<std::uint32_t>(ty.weight[q]);
      for (std::size_t c = 0; c < cw; ++c) {
        const Pixel p = srow[c];
        acc[c * 3] += wv * (p & 0xFF);
        acc[c * 3 + 1] += wv * ((p >> 8) & 0xFF);
        acc[c * 3 + 2] += wv * ((p >> 16) & 0xFF);
      }
    }
    for (int i = 0; i < st.ax.vis1 - st.ax.vis0; ++i) {
      std::uint64_t ch[3] = {0, 0, 0};
      for (int q = tx.start[i]; q < tx.start[i + 1]; ++q) {
        const std::size_t c = static_cast<std::size_t>(tx.idx[q] - cmin) * 3;
        const std::uint64_t wh = static_cast<std::uint64_t>(tx.weight[q]);
        for (int k = 0; k < 3; ++k) ch[k] += wh * acc[c + k];
      }
      Pixel out = 0;
      for (int k = 0; k < 3; ++k) {
        const std::uint64_t v = std::min<std::uint64_t>(255, (ch[k] + (1ULL << 31)) >> 32);
        out |= static_cast<Pixel>(v) << (8 * k);
      }
      filtered[static_cast<std::size_t>(i)] = out;
    }
    Pixel* drow = target_->row(yy);
    ForClipped(s_.clip, yy, st.ax.vis0, st.ax.vis1, [&](int x0, int x1) {
      combine(drow + x0, filtered.data() + (x0 - st.ax.vis0), x0, yy, x1 - x0);
    });
  }
  return true;
}

bool Canvas::TransparentBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw,
                            int sh, Color key) {
  if (src.empty() || w < 0 || h < 0 || sw < 0 || sh < 0) return false;
  if (w == 0 || h == 0 || sw == 0 || sh == 0) return true;
  const Bitmap* from = &src;
  Bitmap copyOfSelf;
  if (&src == target_) {
    copyOfSelf = src;
    from = &copyOfSelf;
  }
  const StretchSetup st = Setup(clipBox(), x, y, w, h, *from, sx, sy, sw, sh);
  if (!st.ok) return true;
  const Pixel k = ToPixel(key) & RgbMask;
  const AxisMap mx = NearestMap(st.ax), my = NearestMap(st.ay);
  const int xEnd = mx.first + static_cast<int>(mx.src.size());
  for (std::size_t j = 0; j < my.src.size(); ++j) {
    const int yy = my.first + static_cast<int>(j);
    const Pixel* srow = from->row(my.src[j]);
    Pixel* drow = target_->row(yy);
    ForClipped(s_.clip, yy, mx.first, xEnd, [&](int x0, int x1) {
      const int* map = mx.src.data() + (x0 - mx.first);
      for (int i = 0; i < x1 - x0; ++i) {
        const Pixel p = srow[map[i]];
        if (p != k) drow[x0 + i] = p;
      }
    });
  }
  return true;
}

}  // namespace gfx
