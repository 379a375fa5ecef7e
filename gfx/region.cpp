#include "gfx/region.h"

#include <algorithm>
#include <climits>

#include "gfx/shape_spans.h"

namespace gfx {

namespace {

template <class Rows>
void AddRows(const Rows& rows, const Rect& r, SpanCollector& c) {
  const Rect lim = Intersect(r, ShapeLimit);
  for (int y = lim.top; y < lim.bottom; ++y) {
    const Span s = rows.at(y);
    c.Add(y, std::max(s.x0, lim.left), std::min(s.x1, lim.right));
  }
}

}  // namespace

Region Region::FromRect(const Rect& r) {
  SpanCollector c;
  c.AddRect(Intersect(r.Normalized(), ShapeLimit));
  return c.Build();
}

Region Region::Ellipse(const Rect& r) {
  const Rect n = ClampRect(r).Normalized();
  SpanCollector c;
  const EllipseRows rows(n);
  AddRows(rows, n, c);
  return c.Build();
}

Region Region::RoundRect(const Rect& r, int cornerWidth, int cornerHeight) {
  const Rect n = ClampRect(r).Normalized();
  SpanCollector c;
  const RoundRectRows rows(n, cornerWidth, cornerHeight);
  AddRows(rows, n, c);
  return c.Build();
}

Region Region::Polygon(std::span<const Point> points, FillMode mode) {
  SpanCollector c;
  RasterizePolygon(points, mode, ShapeLimit, c);
  return c.Build();
}

std::span<const Span> Region::row(int y) const {
  if (spans_.empty() || y < top_ || y >= bounds_.bottom) return {};
  const std::size_t i = static_cast<std::size_t>(y - top_);
  return {spans_.data() + rowStart_[i], spans_.data() + rowStart_[i + 1]};
}

bool Region::Contains(int x, int y) const {
  for (const Span& s : row(y))
    if (x >= s.x0 && x < s.x1) return true;
  return false;
}

bool Region::isRect() const {
  if (spans_.empty()) return true;
  for (int y = bounds_.top; y < bounds_.bottom; ++y) {
    const auto r = row(y);
    if (r.size() != 1 || r[0].x0 != bounds_.left || r[0].x1 != bounds_.right) return false;
  }
  return true;
}

long long Region::area() const {
  long long a = 0;
  for (const Span& s : spans_) a += s.x1 - s.x0;
  return a;
}

void Region::Offset(int dx, int dy) {
  if (spans_.empty()) return;
  for (Span& s : spans_) {
    s.x0 += dx;
    s.x1 += dx;
  }
  top_ += dy;
  bounds_ = {bounds_.left + dx, bounds_.top + dy, bounds_.right + dx, bounds_.bottom + dy};
}

bool operator==(const Region& a, const Region& b) {
  if (a.empty() || b.empty()) return a.empty() == b.empty();
  if (a.bounds_ != b.bounds_) return false;
  for (int y = a.bounds_.top; y < a.bounds_.bottom; ++y) {
    const auto ra = a.row(y);
    const auto rb = b.row(y);
    if (!std::equal(ra.begin(), ra.end(), rb.begin(), rb.end())) return false;
  }
  return true;
}

Region Region::Intersected(const Rect& r) const { return Intersected(FromRect(r)); }
Region Region::Intersected(const Region& o) const { return Combine(o, Op::And); }
Region Region::United(const Region& o) const { return Combine(o, Op::Or); }
Region Region::Subtracted(const Region& o) const { return Combine(o, Op::Diff); }
Region Region::Xored(const Region& o) const { return Combine(o, Op::Xor); }

namespace {

bool Apply(bool a, bool b, int op) {
  switch (op) {
    case 0: return a && b;
    case 1: return a || b;
    case 2: return a && !b;
    default: return a != b;
  }
}

// Sweeps the edges of two span rows and keeps the runs where the operation holds.
void CombineRow(std::span<const Span> a, std::span<const Span> b, int op, int y,
                SpanCollector& out) {
  std::size_t i = 0, j = 0;
  bool inA = false, inB = false;
  int start = 0;
  bool on = false;
  while (i < a.size() * 2 || j < b.size() * 2) {
    const int ea = i < a.size() * 2 ? (i % 2 ? a[i / 2].x1 : a[i / 2].x0) : INT_MAX;
    const int eb = j < b.size() * 2 ? (j % 2 ? b[j / 2].x1 : b[j / 2].x0) : INT_MAX;
    const int x = std::min(ea, eb);
    if (ea == x) {
      inA = !inA;
      ++i;
    }
    if (eb == x) {
      inB = !inB;
      ++j;
    }
    const bool now = Apply(inA, inB, op);
    if (now && !on) start = x;
    if (!now && on) out.Add(y, start, x);
    on = now;
  }
}

}  // namespace

Region Region::Combine(const Region& o, Op op) const {
  const int code = static_cast<int>(op);
  if (op == Op::And && (empty() || o.empty())) return {};
  if (o.empty()) return op == Op::And ? Region{} : *this;
  if (empty()) return (op == Op::Or || op == Op::Xor) ? o : Region{};
  const int y0 = op == Op::And ? std::max(bounds_.top, o.bounds_.top)
                               : (op == Op::Diff ? bounds_.top
                                                 : std::min(bounds_.top, o.bounds_.top));
  const int y1 = op == Op::And ? std::min(bounds_.bottom, o.bounds_.bottom)
                               : (op == Op::Diff ? bounds_.bottom
                                                 : std::max(bounds_.bottom, o.bounds_.bottom));
  SpanCollector c;
  for (int y = y0; y < y1; ++y) CombineRow(row(y), o.row(y), code, y, c);
  return c.Build();
}

void Region::FinishBounds() {
  if (spans_.empty()) {
    bounds_ = {};
    rowStart_.clear();
    top_ = 0;
    return;
  }
  int l = INT_MAX, r = INT_MIN;
  for (const Span& s : spans_) {
    l = std::min(l, s.x0);
    r = std::max(r, s.x1);
  }
  bounds_ = {l, top_, r, top_ + static_cast<int>(rowStart_.size()) - 1};
}

void SpanCollector::AddRect(const Rect& r) {
  if (r.empty()) return;
  for (int y = r.top; y < r.bottom; ++y) Add(y, r.left, r.right);
}

void SpanCollector::AddRegion(const Region& r) {
  for (int y = r.bounds().top; y < r.bounds().bottom; ++y)
    for (const Span& s : r.row(y)) Add(y, s.x0, s.x1);
}

Region SpanCollector::Build() {
  Region out;
  if (items_.empty()) return out;
  int y0 = INT_MAX, y1 = INT_MIN;
  for (const Item& it : items_) {
    y0 = std::min(y0, it.y);
    y1 = std::max(y1, it.y);
  }
  // Bucket by row (counting sort), then sort and merge each row by x.
  const std::size_t rows = static_cast<std::size_t>(static_cast<long long>(y1) - y0 + 1);
  std::vector<std::uint32_t> count(rows + 1, 0);
  for (const Item& it : items_) ++count[static_cast<std::size_t>(it.y - y0) + 1];
  for (std::size_t i = 1; i <= rows; ++i) count[i] += count[i - 1];
  std::vector<Span> sorted(items_.size());
  {
    std::vector<std::uint32_t> next(count.begin(), count.end() - 1);
    for (const Item& it : items_) sorted[next[static_cast<std::size_t>(it.y - y0)]++] = {it.x0, it.x1};
  }
  items_.clear();
  out.top_ = y0;
  out.rowStart_.assign(rows + 1, 0);
  out.spans_.reserve(sorted.size());
  for (std::size_t r = 0; r < rows; ++r) {
    out.rowStart_[r] = static_cast<std::uint32_t>(out.spans_.size());
    auto first = sorted.begin() + count[r];
    auto last = sorted.begin() + count[r + 1];
    if (last - first > 1)
      std::sort(first, last, [](const Span& a, const Span& b) { return a.x0 < b.x0; });
    for (auto it = first; it != last; ++it) {
      if (!out.spans_.empty() && out.rowStart_[r] < out.spans_.size() &&
          it->x0 <= out.spans_.back().x1)
        out.spans_.back().x1 = std::max(out.spans_.back().x1, it->x1);
      else
        out.spans_.push_back(*it);
    }
  }
  out.rowStart_[rows] = static_cast<std::uint32_t>(out.spans_.size());
  // Trim empty rows at both ends so bounds are tight.
  std::size_t firstRow = 0;
  while (firstRow < rows && out.rowStart_[firstRow] == out.rowStart_[firstRow + 1]) ++firstRow;
  std::size_t lastRow = rows;
  while (lastRow > firstRow && out.rowStart_[lastRow - 1] == out.rowStart_[lastRow]) --lastRow;
  if (firstRow > 0 || lastRow < rows) {
    out.rowStart_ = std::vector<std::uint32_t>(out.rowStart_.begin() + static_cast<long>(firstRow),
                                               out.rowStart_.begin() + static_cast<long>(lastRow) + 1);
    out.top_ += static_cast<int>(firstRow);
  }
  out.FinishBounds();
  return out;
}

}  // namespace gfx
