// Regions as sorted span lists: the clip of a canvas and the coverage of a shape.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/types.h"

namespace gfx {

// Half-open run of pixels [x0, x1) on one row.
struct Span {
  int x0 = 0;
  int x1 = 0;
  friend constexpr bool operator==(Span, Span) = default;
};

enum class FillMode { Alternate, Winding };

class Region {
 public:
  Region() = default;

  [[nodiscard]] static Region FromRect(const Rect& r);
  [[nodiscard]] static Region Ellipse(const Rect& r);
  [[nodiscard]] static Region RoundRect(const Rect& r, int cornerWidth, int cornerHeight);
  [[nodiscard]] static Region Polygon(std::span<const Point> points, FillMode mode);

  [[nodiscard]] bool empty() const { return spans_.empty(); }
  [[nodiscard]] const Rect& bounds() const { return bounds_; }
  // The spans of row y, left to right, neither overlapping nor touching.
  [[nodiscard]] std::span<const Span> row(int y) const;
  [[nodiscard]] bool Contains(int x, int y) const;
  [[nodiscard]] bool isRect() const;
  [[nodiscard]] long long area() const;

  [[nodiscard]] Region Intersected(const Region& other) const;
  [[nodiscard]] Region Intersected(const Rect& r) const;
  [[nodiscard]] Region United(const Region& other) const;
  [[nodiscard]] Region Subtracted(const Region& other) const;
  [[nodiscard]] Region Xored(const Region& other) const;
  void Offset(int dx, int dy);

  friend bool operator==(const Region& a, const Region& b);

 private:
  friend class SpanCollector;
  enum class Op { And, Or, Diff, Xor };
  [[nodiscard]] Region Combine(const Region& other, Op op) const;
  void FinishBounds();

  int top_ = 0;
  std::vector<std::uint32_t> rowStart_;  // one entry per row from top_, plus one
  std::vector<Span> spans_;
  Rect bounds_;
};

// Gathers spans in any order, overlapping or not, and turns them into a Region
// (their union). Shapes, pens and flood fills produce their coverage through it,
// so that an XOR pen touches each pixel of one call exactly once.
class SpanCollector {
 public:
  void Add(int y, int x0, int x1) {
    if (x1 > x0) items_.push_back({y, x0, x1});
  }
  void AddRect(const Rect& r);
  void AddRegion(const Region& r);
  [[nodiscard]] bool empty() const { return items_.empty(); }
  [[nodiscard]] Region Build();

 private:
  struct Item {
    int y, x0, x1;
  };
  std::vector<Item> items_;
};

}  // namespace gfx
