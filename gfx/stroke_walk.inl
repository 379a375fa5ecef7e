// The closed-form line walk behind WalkThinLine (included by stroke.h).
#include <algorithm>
#include <cstdlib>

namespace gfx {

namespace detail {

// Minor-axis offset of step i: i * minor / major rounded half up. The same for
// every caller, so drawing a line twice hits the same pixels.
// 128-bit, because both spans may reach 2^32 for lines across the whole
// coordinate range.
inline long long LineMinor(long long i, long long major, long long minor) {
  return static_cast<long long>((2 * static_cast<__int128>(i) * minor + major) / (2 * static_cast<__int128>(major)));
}

}  // namespace detail

template <class Visit>
void WalkThinLine(Point a, Point b, const Rect& limit, Visit visit) {
  if (limit.empty()) return;
  const long long dx = static_cast<long long>(b.x) - a.x;
  const long long dy = static_cast<long long>(b.y) - a.y;
  const long long adx = std::llabs(dx), ady = std::llabs(dy);
  const bool xMajor = adx >= ady;
  const long long major = xMajor ? adx : ady;
  if (major == 0) return;
  const long long minor = xMajor ? ady : adx;
  const int sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const long long maj0 = xMajor ? a.x : a.y;
  const long long min0 = xMajor ? a.y : a.x;
  const long long lo = xMajor ? limit.left : limit.top, hi = xMajor ? limit.right : limit.bottom;
  const long long mlo = xMajor ? limit.top : limit.left, mhi = xMajor ? limit.bottom : limit.right;
  // Steps whose major coordinate is inside the limit.
  long long i0 = 0, i1 = major;  // [i0, i1)
  if (sMaj > 0) {
    i0 = std::max(i0, lo - maj0);
    i1 = std::min(i1, hi - maj0);
  } else {
    i0 = std::max(i0, maj0 - hi + 1);
    i1 = std::min(i1, maj0 - lo + 1);
  }
  if (i1 <= i0) return;
  // The minor coordinate is monotone in i: narrow the range by bisection.
  auto minorAt = [&](long long i) { return min0 + sMin * detail::LineMinor(i, major, minor); };
  auto beforeRange = [&](long long i) { return sMin > 0 ? minorAt(i) < mlo : minorAt(i) >= mhi; };
  auto afterRange = [&](long long i) { return sMin > 0 ? minorAt(i) >= mhi : minorAt(i) < mlo; };
  {
    long long l = i0, h = i1;
    while (l < h) {
      const long long m = l + (h - l) / 2;
      if (beforeRange(m)) l = m + 1;
      else h = m;
    }
    i0 = l;
  }
  {
    long long l = i0, h = i1;
    while (l < h) {
      const long long m = l + (h - l) / 2;
      if (afterRange(m)) h = m;
      else l = m + 1;
    }
    i1 = l;
  }
  for (long long i = i0; i < i1; ++i) {
    const long long mj = maj0 + sMaj * i;
    const long long mn = minorAt(i);
    if (xMajor) visit(static_cast<int>(mj), static_cast<int>(mn), i);
    else visit(static_cast<int>(mn), static_cast<int>(mj), i);
  }
}

}  // namespace gfx
