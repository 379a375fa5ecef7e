// Hotspot zones along the screen edges and the shake of the pointer. Both only
// prepare or report from the positions of passing mouse messages; the hotspot
// dwell itself fires from the watch timer.
#include "kinhook/d_trig_internal.h"

namespace kinhook::detail {
using shared::MouseHookSharedData;
using shared::Point32;

void TrackHotspot(MouseHookSharedData& d, Point32 p) {
  using namespace shared;
  // 64-bit throughout: the rectangle and insets come from the block, and any
  // program may have written anything there.
  Rect32 r = d.VirtualScreenRect;
  int64_t L = r.left, T = r.top, R = r.right, B = r.bottom, x = p.x, y = p.y;
  int64_t s = Clamp(d.HotspotCornerSize, 1, 50);
  int64_t ix = d.SideInsetX, iy = d.SideInsetY;
  bool left = L <= x && x <= L + s;
  bool right = !left && R - s <= x && x <= R;
  bool top = T <= y && y <= T + s;
  bool bottom = !top && B - s <= y && y <= B;
  bool midX = L + ix <= x && x <= R - ix;
  bool midY = T + iy <= y && y <= B - iy;
  struct Zone {
    bool in;
    int32_t code;
  };
  // Corners first, then the sides: the first bound zone the pointer is in wins.
  const Zone zones[] = {{top && left, EvHotspotTopLeft},     {bottom && left, EvHotspotBottomLeft},
                        {top && right, EvHotspotTopRight},   {bottom && right, EvHotspotBottomRight},
                        {left && midY, EvHotspotLeft},       {right && midY, EvHotspotRight},
                        {top && midX, EvHotspotTop},         {bottom && midX, EvHotspotBottom}};
  int32_t pending = 0;
  for (const Zone& z : zones)
    if (z.in && Bound(d, z.code)) {
      pending = z.code;
      break;
    }
  d.PendingHotspot = pending;
  // Leaving the zone that fired re-arms it.
  if (pending != d.FiredHotspot) d.FiredHotspot = 0;
}

namespace {
constexpr uint8_t StrokeUp = 0, StrokeDown = 1, StrokeLeft = 2, StrokeRight = 3, NoStroke = 0xFF;

uint8_t StrokeOf(int64_t dx, int64_t dy, int64_t minStroke) {
  if (Abs(dx) > Abs(dy)) {
    if (Abs(dx) <= minStroke) return NoStroke;
    return dx > 0 ? StrokeRight : StrokeLeft;
  }
  if (Abs(dy) <= minStroke) return NoStroke;
  return dy > 0 ? StrokeDown : StrokeUp;
}

bool Horizontal(uint8_t s) { return s == StrokeLeft || s == StrokeRight; }
bool Vertical(uint8_t s) { return s == StrokeUp || s == StrokeDown; }
}  // namespace

void TrackShake(const Environment& env, MouseHookSharedData& d, Point32 p) {
  using namespace shared;
  Point32 ref = d.ShakeRefPos;
  int64_t minStroke = Clamp(d.ShakeMinStroke, 0, 1 << 20);
  uint8_t dir = StrokeOf(static_cast<int64_t>(p.x) - ref.x, static_cast<int64_t>(p.y) - ref.y, minStroke);
  if (dir == NoStroke) return;
  uint32_t now = env.tickCount();
  if (dir == d.ShakeDirs[0]) {
    d.ShakeTimes[0] = now;  // the same stroke, still moving
  } else {
    for (int i = 3; i > 0; --i) {
      d.ShakeDirs[i] = d.ShakeDirs[i - 1];
      d.ShakeTimes[i] = d.ShakeTimes[i - 1];
    }
    d.ShakeDirs[0] = dir;
    d.ShakeTimes[0] = now;
    // Newest first, so a span outside 0..window is stale history (or a fresh
    // block read near the wrap of the clock), never a shake.
    int32_t span = TickDiff(d.ShakeTimes[0], d.ShakeTimes[3]);
    int64_t window = Clamp(d.ShakeWindow, 0, 60000);
    if (span >= 0 && span < window) {
      // Strokes only enter the history when they turn, so neighbours always
      // differ; equal neighbours are a fresh block's zeros, not strokes.
      bool h = true, v = true;
      for (int i = 0; i < 4; ++i) {
        h = h && Horizontal(d.ShakeDirs[i]);
        v = v && Vertical(d.ShakeDirs[i]);
        if (i < 3 && d.ShakeDirs[i] == d.ShakeDirs[i + 1]) h = v = false;
      }
      if (h || v) {
        Report(env, d, CmdHotspotOrShake, h ? EvShakeHorizontal : EvShakeVertical);
        d.QuietUntil = now + 500;
      }
    }
  }
  d.ShakeRefPos = p;
}

}  // namespace kinhook::detail
