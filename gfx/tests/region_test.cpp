#include <gtest/gtest.h>

#include <vector>

#include "gfx/canvas.h"
#include "test_util.h"

namespace gfx {
namespace {

constexpr Color kWhite = 0xFFFFFF, kRed = 0x0000FF;

TEST(Region, SetOperationsOnOverlappingRectangles) {
  const Region a = Region::fromRect({0, 0, 10, 10});
  const Region b = Region::fromRect({5, 5, 15, 15});
  EXPECT_EQ(a.intersected(b), Region::fromRect({5, 5, 10, 10}));
  EXPECT_EQ(a.united(b).area(), 175);
  EXPECT_EQ(a.subtracted(b).area(), 75);
  EXPECT_EQ(a.xored(b).area(), 150);
  EXPECT_FALSE(a.subtracted(b).contains(7, 7));
  EXPECT_TRUE(a.subtracted(b).contains(7, 2));
  EXPECT_TRUE(a.united(b).contains(14, 14));
  EXPECT_EQ(a.united(b).bounds(), (Rect{0, 0, 15, 15}));
  EXPECT_TRUE(a.subtracted(a).empty());
  EXPECT_TRUE(Region::fromRect({3, 3, 3, 8}).empty());
}

TEST(Region, SpanCollectorMergesOverlapsAndTouchingRuns) {
  SpanCollector c;
  c.add(2, 5, 8);
  c.add(2, 0, 3);
  c.add(2, 3, 5);
  c.add(4, 1, 2);
  c.add(2, 6, 7);
  const Region r = c.build();
  ASSERT_EQ(r.row(2).size(), 1u);
  EXPECT_EQ(r.row(2)[0], (Span{0, 8}));
  EXPECT_TRUE(r.row(3).empty());
  EXPECT_EQ(r.bounds(), (Rect{0, 2, 8, 5}));
  Region moved = r;
  moved.offset(-10, 100);
  EXPECT_TRUE(moved.contains(-10, 102));
}

TEST(Region, PolygonFillModesAndOffsetOverlap) {
  // Two overlapping squares as one polygon path wound the same way.
  const std::vector<Point> pts = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                                  {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}};
  const Region alt = Region::polygon(pts, FillMode::Alternate);
  const Region wind = Region::polygon(pts, FillMode::Winding);
  EXPECT_FALSE(alt.contains(7, 7));
  EXPECT_TRUE(wind.contains(7, 7));
  EXPECT_EQ(wind.area(), 175);
}

TEST(Region, EllipseAndRoundRectRegionsAreClippedToSaneBounds) {
  const Region huge = Region::ellipse({-2000000000, -2000000000, 2000000000, 2000000000});
  EXPECT_TRUE(huge.contains(0, 0));
  EXPECT_LE(huge.bounds().height(), 1 << 17);
  EXPECT_FALSE(Region::roundRect({0, 0, 20, 20}, 10, 10).contains(0, 0));
  EXPECT_TRUE(Region::roundRect({0, 0, 20, 20}, 0, 0).contains(0, 0));
}

// The spotlight: only the inside of the clip changes.
TEST(Clip, EveryOperationStaysInsideTheClipRegion) {
  const Region clip = Region::ellipse({4, 4, 28, 24});
  const Bitmap src = test::randomBitmap(32, 28, 11);
  auto check = [&](const char* what, void (*op)(Canvas&, const Bitmap&)) {
    Bitmap b(32, 28, kWhite);
    Canvas c(b);
    c.setClip(clip);
    c.setBrush(Brush::solid(kRed));
    c.setPen({PenStyle::Solid, 3, 0});
    op(c, src);
    int inside = 0;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 32; ++x) {
        if (!clip.contains(x, y)) EXPECT_EQ(b.pixel(x, y), kWhite) << what << " at " << x << "," << y;
        else inside += b.pixel(x, y) != kWhite;
      }
    EXPECT_GT(inside, 0) << what;
  };
  check("bitBlt", [](Canvas& c, const Bitmap& s) { c.bitBlt(0, 0, 32, 28, &s, 0, 0, rop3::kSrcCopy); });
  check("patBlt", [](Canvas& c, const Bitmap&) { c.patBlt(-5, -5, 50, 50, rop3::kPatCopy); });
  check("stretch", [](Canvas& c, const Bitmap& s) { c.stretchBlt(0, 0, 32, 28, s, 0, 0, 11, 9); });
  check("transparent", [](Canvas& c, const Bitmap& s) { c.transparentBlt(0, 0, 32, 28, s, 0, 0, 32, 28, 1); });
  check("tile", [](Canvas& c, const Bitmap& s) { c.tile({0, 0, 32, 28}, s.copy({0, 0, 3, 2})); });
  check("rectangle", [](Canvas& c, const Bitmap&) { c.rectangle(0, 0, 32, 28); });
  check("ellipse", [](Canvas& c, const Bitmap&) { c.ellipse(-3, -3, 40, 30); });
  check("line", [](Canvas& c, const Bitmap&) {
    c.moveTo(0, 0);
    c.lineTo(32, 28);
  });
  check("polygon", [](Canvas& c, const Bitmap&) {
    const std::vector<Point> p = {{0, 0}, {40, 3}, {10, 40}};
    c.polygon(p);
  });
  check("fillRegion", [](Canvas& c, const Bitmap&) { c.fillRegion(Region::fromRect({0, 0, 99, 99}), Brush::solid(kRed)); });
  check("focus", [](Canvas& c, const Bitmap&) { c.drawFocusRect({5, 5, 27, 23}); });
  check("pixel", [](Canvas& c, const Bitmap&) {
    for (int i = 0; i < 28; ++i) c.setPixel(i, i, kRed);
  });
}

}  // namespace
}  // namespace gfx
