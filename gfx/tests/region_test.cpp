#include <gtest/gtest.h>

#include <vector>

#include "gfx/canvas.h"
#include "test_util.h"

namespace gfx {
namespace {

constexpr Color White = 0xFFFFFF, Red = 0x0000FF;

TEST(Region, SetOperationsOnOverlappingRectangles) {
  const Region a = Region::FromRect({0, 0, 10, 10});
  const Region b = Region::FromRect({5, 5, 15, 15});
  EXPECT_EQ(a.Intersected(b), Region::FromRect({5, 5, 10, 10}));
  EXPECT_EQ(a.United(b).area(), 175);
  EXPECT_EQ(a.Subtracted(b).area(), 75);
  EXPECT_EQ(a.Xored(b).area(), 150);
  EXPECT_FALSE(a.Subtracted(b).Contains(7, 7));
  EXPECT_TRUE(a.Subtracted(b).Contains(7, 2));
  EXPECT_TRUE(a.United(b).Contains(14, 14));
  EXPECT_EQ(a.United(b).bounds(), (Rect{0, 0, 15, 15}));
  EXPECT_TRUE(a.Subtracted(a).empty());
  EXPECT_TRUE(Region::FromRect({3, 3, 3, 8}).empty());
}

TEST(Region, SpanCollectorMergesOverlapsAndTouchingRuns) {
  SpanCollector c;
  c.Add(2, 5, 8);
  c.Add(2, 0, 3);
  c.Add(2, 3, 5);
  c.Add(4, 1, 2);
  c.Add(2, 6, 7);
  const Region r = c.Build();
  ASSERT_EQ(r.row(2).size(), 1u);
  EXPECT_EQ(r.row(2)[0], (Span{0, 8}));
  EXPECT_TRUE(r.row(3).empty());
  EXPECT_EQ(r.bounds(), (Rect{0, 2, 8, 5}));
  Region moved = r;
  moved.Offset(-10, 100);
  EXPECT_TRUE(moved.Contains(-10, 102));
}

TEST(Region, PolygonFillModesAndOffsetOverlap) {
  // Two overlapping squares as one polygon path wound the same way.
  const std::vector<Point> pts = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                                  {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}};
  const Region alt = Region::Polygon(pts, FillMode::Alternate);
  const Region wind = Region::Polygon(pts, FillMode::Winding);
  EXPECT_FALSE(alt.Contains(7, 7));
  EXPECT_TRUE(wind.Contains(7, 7));
  EXPECT_EQ(wind.area(), 175);
}

TEST(Region, EllipseAndRoundRectRegionsAreClippedToSaneBounds) {
  const Region huge = Region::Ellipse({-2000000000, -2000000000, 2000000000, 2000000000});
  EXPECT_TRUE(huge.Contains(0, 0));
  EXPECT_LE(huge.bounds().height(), 1 << 17);
  EXPECT_FALSE(Region::RoundRect({0, 0, 20, 20}, 10, 10).Contains(0, 0));
  EXPECT_TRUE(Region::RoundRect({0, 0, 20, 20}, 0, 0).Contains(0, 0));
}

// The spotlight: only the inside of the clip changes.
TEST(Clip, EveryOperationStaysInsideTheClipRegion) {
  const Region clip = Region::Ellipse({4, 4, 28, 24});
  const Bitmap src = test::RandomBitmap(32, 28, 11);
  auto check = [&](const char* what, void (*op)(Canvas&, const Bitmap&)) {
    Bitmap b(32, 28, White);
    Canvas c(b);
    c.setClip(clip);
    c.setBrush(Brush::Solid(Red));
    c.setPen({PenStyle::Solid, 3, 0});
    op(c, src);
    int inside = 0;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 32; ++x) {
        if (!clip.Contains(x, y)) EXPECT_EQ(b.pixel(x, y), White) << what << " at " << x << "," << y;
        else inside += b.pixel(x, y) != White;
      }
    EXPECT_GT(inside, 0) << what;
  };
  check("bitBlt", [](Canvas& c, const Bitmap& s) { c.BitBlt(0, 0, 32, 28, &s, 0, 0, rop3::SrcCopy); });
  check("patBlt", [](Canvas& c, const Bitmap&) { c.PatBlt(-5, -5, 50, 50, rop3::PatCopy); });
  check("stretch", [](Canvas& c, const Bitmap& s) { c.StretchBlt(0, 0, 32, 28, s, 0, 0, 11, 9); });
  check("transparent", [](Canvas& c, const Bitmap& s) { c.TransparentBlt(0, 0, 32, 28, s, 0, 0, 32, 28, 1); });
  check("tile", [](Canvas& c, const Bitmap& s) { c.Tile({0, 0, 32, 28}, s.Copy({0, 0, 3, 2})); });
  check("rectangle", [](Canvas& c, const Bitmap&) { c.Rectangle(0, 0, 32, 28); });
  check("ellipse", [](Canvas& c, const Bitmap&) { c.Ellipse(-3, -3, 40, 30); });
  check("line", [](Canvas& c, const Bitmap&) {
    c.MoveTo(0, 0);
    c.LineTo(32, 28);
  });
  check("polygon", [](Canvas& c, const Bitmap&) {
    const std::vector<Point> p = {{0, 0}, {40, 3}, {10, 40}};
    c.Polygon(p);
  });
  check("fillRegion", [](Canvas& c, const Bitmap&) { c.FillRegion(Region::FromRect({0, 0, 99, 99}), Brush::Solid(Red)); });
  check("focus", [](Canvas& c, const Bitmap&) { c.DrawFocusRect({5, 5, 27, 23}); });
  check("pixel", [](Canvas& c, const Bitmap&) {
    for (int i = 0; i < 28; ++i) c.setPixel(i, i, Red);
  });
}

}  // namespace
}  // namespace gfx
