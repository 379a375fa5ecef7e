// Plain value types that cross the platform seam: handles, geometry, messages.
#pragma once
#include <cstdint>
#include <compare>

#include "base/ticks.h"

namespace platform {

// Strong handle types: a window handle never mixes with a mapping handle.
template <class Tag>
struct Handle {
  std::uint64_t value = 0;
  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr auto operator<=>(Handle, Handle) = default;
};
using WindowHandle = Handle<struct WindowTag>;
using MappingHandle = Handle<struct MappingTag>;

struct Point {
  int x = 0, y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

// Windows convention: right and bottom lie outside the rectangle.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend constexpr bool operator==(Rect, Rect) = default;
};

struct Message {
  std::uint32_t msg = 0;
  std::uint64_t wParam = 0;
  std::int64_t lParam = 0;
};

// Millisecond tick count since system start; wraps after 49.7 days.
using Tick = std::uint32_t;

// Compared only through base::TickDiff and base::TickReached (base/ticks.h).

}  // namespace platform
