#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "gfx/canvas.h"
#include "test_util.h"

namespace gfx {
namespace {

using test::ChangedPixels;
using test::RandomBitmap;

constexpr Color White = 0xFFFFFF;
constexpr Color Black = 0x000000;

TEST(Line, ExcludesTheLastPixel) {
  Bitmap b(10, 3, White);
  Canvas c(b);
  c.MoveTo(1, 1);
  c.LineTo(6, 1);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(b.pixel(x, 1), x >= 1 && x < 6 ? Black : White) << x;
  EXPECT_EQ(c.position(), (Point{6, 1}));
}

TEST(Line, DiagonalsAndSteepLinesStepOnePixelPerMajorStep) {
  Bitmap b(10, 10, White);
  Canvas c(b);
  c.MoveTo(0, 0);
  c.LineTo(5, 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(b.pixel(i, i), Black);
  EXPECT_EQ(b.pixel(5, 5), White);
  Bitmap s(10, 10, White);
  Canvas cs(s);
  cs.MoveTo(2, 9);
  cs.LineTo(4, 1);  // steep, upward
  EXPECT_EQ(ChangedPixels(s, Bitmap(10, 10, White)), 8);
  for (int y = 2; y <= 9; ++y) {
    int inRow = 0;
    for (int x = 0; x < 10; ++x) inRow += s.pixel(x, y) == Black;
    EXPECT_EQ(inRow, 1) << y;
  }
}

// What the swipe arrow and rubber bands rely on: a NOT-XOR pen draws a line and
// the same call again erases it, for thin and wide pens and any direction.
TEST(Line, NotXorPenTwiceRestoresTheDestination) {
  const Bitmap base = RandomBitmap(64, 48, 7);
  struct Case {
    int width;
    LineCap cap;
    Point a, b;
  };
  const Case cases[] = {{1, LineCap::Round, {3, 5}, {60, 40}}, {1, LineCap::Round, {50, 2}, {10, 45}},
                        {3, LineCap::Flat, {20, 20}, {100, 20}}, {3, LineCap::Flat, {20, 20}, {36, 4}},
                        {7, LineCap::Round, {-10, 30}, {40, 10}}, {4, LineCap::Square, {30, 30}, {30, 31}}};
  for (const Case& k : cases) {
    Bitmap b = base;
    Canvas c(b);
    c.setRop2(Rop2::NotXorPen);
    c.setPen({PenStyle::Solid, k.width, 0xFF0000, k.cap});
    c.MoveTo(k.a.x, k.a.y);
    c.LineTo(k.b.x, k.b.y);
    EXPECT_GT(ChangedPixels(b, base), 0);
    c.MoveTo(k.a.x, k.a.y);
    c.LineTo(k.b.x, k.b.y);
    EXPECT_TRUE(b.SamePixels(base)) << "width " << k.width;
  }
}

// An XOR pen must touch every pixel of one call once: a pixel touched twice
// would vanish. Polylines, their joints and closing corners included.
TEST(Line, XorStrokeTouchesEachPixelOncePerCall) {
  const std::vector<Point> zigzag = {{5, 5}, {40, 8}, {10, 30}, {45, 35}, {5, 5}};
  for (int width : {1, 2, 9, 20}) {
    Bitmap b(60, 50, Black);
    Canvas c(b);
    c.setRop2(Rop2::XorPen);
    c.setPen({PenStyle::Solid, width, White});
    c.Polyline(zigzag);
    Bitmap copyPen(60, 50, Black);
    Canvas cc(copyPen);
    cc.setPen({PenStyle::Solid, width, White});
    cc.Polyline(zigzag);
    EXPECT_TRUE(b.SamePixels(copyPen)) << "width " << width;
  }
}

TEST(Line, RectangleOutlineWithXorKeepsItsCorners) {
  for (int width : {1, 5}) {
    Bitmap b(30, 30, Black);
    Canvas c(b);
    c.setRop2(Rop2::XorPen);
    c.setPen({PenStyle::Solid, width, White});
    c.setBrush(Brush::clear());
    c.Rectangle(5, 5, 25, 20);
    EXPECT_EQ(b.pixel(5, 5), White);
    EXPECT_EQ(b.pixel(24, 19), White);
    EXPECT_EQ(b.pixel(24, 5), White);
  }
}

TEST(Line, WidePenCapsCoverTheEndpoints) {
  struct Case {
    LineCap cap;
    bool coversEnds;
    int reachBeyondEnd;
  };
  for (const Case& k : {Case{LineCap::Round, true, 4}, Case{LineCap::Square, true, 4},
                        Case{LineCap::Flat, false, 0}}) {
    Bitmap b(40, 20, White);
    Canvas c(b);
    c.setPen({PenStyle::Solid, 9, Black, k.cap});
    c.MoveTo(10, 10);
    c.LineTo(30, 10);
    EXPECT_EQ(b.pixel(10, 10), Black);
    EXPECT_EQ(b.pixel(30, 10) == Black, k.coversEnds) << static_cast<int>(k.cap);
    // The cap reaches half the width past each end along the line.
    EXPECT_EQ(b.pixel(30 + k.reachBeyondEnd, 10) == Black, k.coversEnds);
    EXPECT_EQ(b.pixel(31 + k.reachBeyondEnd, 10), White);
    EXPECT_EQ(b.pixel(9 - k.reachBeyondEnd, 10), White);
    // Nine rows thick across the middle.
    int rows = 0;
    for (int y = 0; y < 20; ++y) rows += b.pixel(20, y) == Black;
    EXPECT_EQ(rows, 9);
  }
}

TEST(Line, DotStyleAlternatesThreeOnThreeOffAndPaintsGapsWhenOpaque) {
  for (BackgroundMode mode : {BackgroundMode::Transparent, BackgroundMode::Opaque}) {
    Bitmap b(20, 1, 0x00FF00);
    Canvas c(b);
    c.setPen({PenStyle::Dot, 1, Black});
    c.setBackgroundMode(mode);
    c.setBackgroundColor(0x0000FF);
    c.MoveTo(0, 0);
    c.LineTo(12, 0);
    const Color gap = mode == BackgroundMode::Opaque ? 0x0000FF : 0x00FF00;
    for (int x = 0; x < 12; ++x) EXPECT_EQ(b.pixel(x, 0), (x / 3) % 2 == 0 ? Black : gap) << x;
    EXPECT_EQ(b.pixel(12, 0), 0x00FF00u);
  }
}

TEST(Line, HugeAndNegativeCoordinatesDrawOnlyTheVisiblePart) {
  // The far-away line must hit exactly the pixels of the same line seen through
  // a bitmap that starts there, and must not walk the billions of steps.
  Bitmap b(20, 20, White);
  Canvas c(b);
  c.MoveTo(-2000000000, 10);
  c.LineTo(2000000000, 10);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(b.pixel(x, 10), Black);
  c.setPen({PenStyle::Solid, 10, 0x0000FF});
  c.MoveTo(-1000000000, -1000000000);
  c.LineTo(1000000000, 1000000000);
  EXPECT_EQ(b.pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(b.pixel(19, 19), 0x0000FFu);
  EXPECT_EQ(b.pixel(19, 0), White);
  Bitmap none(4, 4, White);
  Canvas cn(none);
  cn.MoveTo(-100, -100);
  cn.LineTo(-50, 2000000000);
  cn.LineTo(2000000000, -7);
  EXPECT_EQ(ChangedPixels(none, Bitmap(4, 4, White)), 0);
  // Across the whole coordinate range: passes near (0, 1) with slope just under 1.
  Bitmap diag(8, 8, White);
  Canvas cd(diag);
  cd.MoveTo(INT_MIN, INT_MIN + 5);
  cd.LineTo(INT_MAX, INT_MAX - 3);
  for (int x = 0; x < 6; ++x) {
    int hits = 0;
    for (int y = 0; y < 8; ++y)
      if (diag.pixel(x, y) == Black) {
        ++hits;
        EXPECT_LE(std::abs(y - x - 1), 1) << x;
      }
    EXPECT_EQ(hits, 1) << x;
  }
}

TEST(Line, ClippedLineKeepsTheUnclippedPixels) {
  Bitmap full(40, 30, White);
  Canvas cf(full);
  cf.MoveTo(-13, 3);
  cf.LineTo(52, 27);
  Bitmap clipped(40, 30, White);
  Canvas cc(clipped);
  cc.setClip(Region::FromRect({10, 0, 25, 30}));
  cc.MoveTo(-13, 3);
  cc.LineTo(52, 27);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      EXPECT_EQ(clipped.pixel(x, y), x >= 10 && x < 25 ? full.pixel(x, y) : White) << x << "," << y;
}

}  // namespace
}  // namespace gfx
