// Turns pen paths into pixel coverage: one-pixel lines with the last-pixel rule
// and dash styles, and wide lines with caps and joins.
#pragma once

#include <span>

#include "gfx/pen_brush.h"
#include "gfx/region.h"

namespace gfx {

// Walks the one-pixel line from a towards b, b itself excluded, calling
// visit(x, y, i) for each pixel inside limit; i counts pixels from a so that dash
// styles keep their phase when the line is clipped. Only the visible stretch of
// the line is walked, so coordinates far outside cost nothing.
template <class Visit>
void WalkThinLine(Point a, Point b, const Rect& limit, Visit visit);

// Coverage of a pen along a path (closed: back to the first point as well).
// Dash pixels go to `ink`, the gaps of styled pens to `gaps`; stylePos carries
// the dash phase from one call to the next.
void StrokePath(std::span<const Point> pts, bool closed, const Pen& pen, const Rect& limit,
                SpanCollector& ink, SpanCollector& gaps, long long& stylePos);

}  // namespace gfx

#include "gfx/stroke_walk.inl"
