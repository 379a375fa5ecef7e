// The direction of a swipe and the arrow that shows it. The hook library and the
// main program's swipe button both decide directions with SwipeDirection, so a
// swipe means the same whichever way it was made.
#pragma once
#include <stdint.h>

#include "shared/event_codes.h"
#include "shared/globtr_types.h"

namespace shared {

inline constexpr int32_t NoDirection = 0;
inline constexpr int32_t SwipeArrowLength = 100;
inline constexpr int32_t SwipeArrowDiagonal = SwipeArrowLength * 4 / 5;

// The 8-way direction (3020..3027) of the movement from start to p, or
// NoDirection when |dx| + |dy| is at most threshold. The sector boundaries lie at
// 22.5 degrees plus multiples of 45, where tan 22.5 = sqrt 2 - 1 is irrational: a
// movement lies nearer the horizontal than the diagonal exactly when
// (|dx| + |dy|)^2 < 2 dx^2. No integer point sits on a boundary, so exact integer
// arithmetic gives what rounding the angle gives, without floating point (the
// hook library has no runtime for it) and for coordinates of any size.
constexpr int32_t SwipeDirection(Point32 start, Point32 p, int64_t threshold) {
  int64_t dx = static_cast<int64_t>(p.x) - start.x;
  int64_t dy = static_cast<int64_t>(start.y) - p.y;  // y pointing up
  uint64_t ax = static_cast<uint64_t>(dx < 0 ? -dx : dx);
  uint64_t ay = static_cast<uint64_t>(dy < 0 ? -dy : dy);
  if (threshold >= 0 && ax + ay <= static_cast<uint64_t>(threshold)) return NoDirection;
  using Wide = unsigned __int128;
  Wide sum = static_cast<Wide>(ax + ay) * (ax + ay);
  if (sum < 2 * static_cast<Wide>(ax) * ax) return dx > 0 ? EvSwipeRight : EvSwipeLeft;
  if (sum < 2 * static_cast<Wide>(ay) * ay) return dy > 0 ? EvSwipeUp : EvSwipeDown;
  if (dy > 0) return dx > 0 ? EvSwipeUpRight : EvSwipeUpLeft;
  return dx > 0 ? EvSwipeDownRight : EvSwipeDownLeft;
}

// The far end of the 100-pixel arrow of a direction; start itself for none.
constexpr Point32 SwipeArrowEnd(Point32 start, int32_t direction) {
  constexpr int32_t L = SwipeArrowLength, D = SwipeArrowDiagonal;
  int32_t ox = 0, oy = 0;
  switch (direction) {
    case EvSwipeRight: ox = L; break;
    case EvSwipeUpRight: ox = D; oy = -D; break;
    case EvSwipeUp: oy = -L; break;
    case EvSwipeUpLeft: ox = -D; oy = -D; break;
    case EvSwipeLeft: ox = -L; break;
    case EvSwipeDownLeft: ox = -D; oy = D; break;
    case EvSwipeDown: oy = L; break;
    case EvSwipeDownRight: ox = D; oy = D; break;
    default: break;
  }
  // Wraps rather than overflows for a start at the edge of the coordinate range.
  return {static_cast<int32_t>(static_cast<uint32_t>(start.x) + static_cast<uint32_t>(ox)),
          static_cast<int32_t>(static_cast<uint32_t>(start.y) + static_cast<uint32_t>(oy))};
}

// Draws a line with the swipe arrow's pen (3 pixels, flat caps, blue, NOT-XOR on
// the desktop window), so that drawing it twice restores the screen.
using InvertingLinePainter = void (*)(Point32 from, Point32 to);

// The arrow of a direction; nothing for none. Called again with the same
// arguments it erases the arrow.
inline void DrawSwipeArrow(InvertingLinePainter paint, Point32 start, int32_t direction) {
  if (!paint || direction < EvSwipeUp || direction > EvSwipeUpLeft) return;
  paint(start, SwipeArrowEnd(start, direction));
}

}  // namespace shared
