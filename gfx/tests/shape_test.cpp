#include <gtest/gtest.h>

#include <vector>

#include "gfx/canvas.h"
#include "test_util.h"

namespace gfx {
namespace {

using test::InkBox;

constexpr Color White = 0xFFFFFF, Black = 0x000000, Red = 0x0000FF, Green = 0x00FF00;

struct Drawn {
  Bitmap b;
  Rect box;
};

Drawn Draw(int w, int h, void (*shape)(Canvas&)) {
  Drawn d{Bitmap(w, h, White), {}};
  Canvas c(d.b);
  c.setBrush(Brush::Solid(Red));
  shape(c);
  d.box = InkBox(d.b, White);
  return d;
}

TEST(Rectangle, OnePixelPenRunsAlongTheEdgesAndTheBrushFillsInside) {
  const Drawn d = Draw(12, 10, [](Canvas& c) { c.Rectangle(2, 1, 9, 8); });
  EXPECT_EQ(d.box, (Rect{2, 1, 9, 8}));
  EXPECT_EQ(d.b.pixel(2, 1), Black);
  EXPECT_EQ(d.b.pixel(8, 7), Black);
  EXPECT_EQ(d.b.pixel(3, 2), Red);
  EXPECT_EQ(d.b.pixel(7, 6), Red);
}

TEST(Rectangle, PenWidthsCentreOnTheEdgeUnlessInsideFrame) {
  struct Case {
    PenStyle style;
    int width;
    Rect ink;
    Point firstInside;
  };
  const Case cases[] = {
      {PenStyle::Solid, 3, {9, 9, 31, 31}, {12, 12}},
      {PenStyle::InsideFrame, 3, {10, 10, 30, 30}, {13, 13}},
      {PenStyle::InsideFrame, 6, {10, 10, 30, 30}, {16, 16}},
      {PenStyle::Solid, 2, {9, 9, 30, 30}, {11, 11}},
  };
  for (const Case& k : cases) {
    Bitmap b(40, 40, White);
    Canvas c(b);
    c.setPen({k.style, k.width, Black});
    c.setBrush(Brush::Solid(Red));
    c.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(InkBox(b, White), k.ink) << "width " << k.width;
    EXPECT_EQ(b.pixel(k.firstInside.x, k.firstInside.y), Red) << "width " << k.width;
    EXPECT_EQ(b.pixel(k.firstInside.x - 1, k.firstInside.y), Black) << "width " << k.width;
  }
}

TEST(Rectangle, WithoutAPenTheFillIsOnePixelSmaller) {
  const Drawn d = Draw(10, 10, [](Canvas& c) {
    c.setPen({PenStyle::Clear});
    c.Rectangle(1, 1, 6, 5);
  });
  EXPECT_EQ(d.box, (Rect{1, 1, 5, 4}));
}

// Shapes the tools stamp and clip by: both ellipses and rounded rectangles at odd
// and even sizes must reach every side of their box, be mirror-symmetric, be one
// run per row, and be closed (the brush never touches the outside).
class RoundShape : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(RoundShape, ReachesTheBoxIsSymmetricConvexAndClosed) {
  const auto [w, h, rounded] = GetParam();
  Bitmap b(w + 8, h + 8, White);
  Canvas c(b);
  c.setBrush(Brush::Solid(Red));
  const Rect box{4, 4, 4 + w, 4 + h};
  if (rounded) c.RoundRect(box.left, box.top, box.right, box.bottom, w / 2, h / 3);
  else c.Ellipse(box.left, box.top, box.right, box.bottom);
  ASSERT_EQ(InkBox(b, White), box);
  for (int y = box.top; y < box.bottom; ++y) {
    int runs = 0;
    for (int x = box.left; x < box.right; ++x) {
      const Color p = b.pixel(x, y);
      EXPECT_EQ(p, b.pixel(box.left + box.right - 1 - x, y)) << "mirror x at " << x << "," << y;
      EXPECT_EQ(p, b.pixel(x, box.top + box.bottom - 1 - y)) << "mirror y at " << x << "," << y;
      if (p != White && (x == box.left || b.pixel(x - 1, y) == White)) ++runs;
      if (p == Red) {
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
          EXPECT_NE(b.pixel(x + dx, y + dy), White) << "brush leaks at " << x << "," << y;
      }
    }
    EXPECT_EQ(runs, 1) << "row " << y;
  }
  // A one-pixel outline covers exactly what the region of the same shape holds.
  const Region r = rounded ? Region::RoundRect(box, w / 2, h / 3) : Region::Ellipse(box);
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) EXPECT_EQ(b.pixel(x, y) != White, r.Contains(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundShape,
                         ::testing::Combine(::testing::Values(1, 2, 3, 8, 9, 30), ::testing::Values(1, 2, 7, 10, 31),
                                            ::testing::Bool()));

TEST(Ellipse, InsideFramePenStaysInsideTheBoxAndWidePensGrowOutward) {
  for (auto [style, width, ink] : {std::tuple{PenStyle::InsideFrame, 5, Rect{10, 10, 40, 30}},
                                   std::tuple{PenStyle::Solid, 5, Rect{8, 8, 42, 32}}}) {
    Bitmap b(50, 40, White);
    Canvas c(b);
    c.setPen({style, width, Black});
    c.setBrush(Brush::Solid(Red));
    c.Ellipse(10, 10, 40, 30);
    EXPECT_EQ(InkBox(b, White), ink);
    // The ring is width pixels thick on the axes.
    int ring = 0;
    for (int x = ink.left; x < 25; ++x) ring += b.pixel(x, 20) == Black;
    EXPECT_EQ(ring, width);
    EXPECT_EQ(b.pixel(25, 20), Red);
  }
}

TEST(Ellipse, XorShapeTwiceRestoresAndTouchesEachPixelOnce) {
  const Bitmap base = test::RandomBitmap(40, 40, 3);
  Bitmap b = base;
  Canvas c(b);
  c.setRop2(Rop2::XorPen);
  c.setPen({PenStyle::Solid, 4, 0xFFFFFF});
  c.setBrush(Brush::Solid(0xFFFFFF));
  c.Ellipse(5, 6, 33, 35);
  // Every changed pixel is inverted exactly (once), none twice (unchanged).
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (b.row(y)[x] != base.row(y)[x]) {
        EXPECT_EQ(b.row(y)[x], base.row(y)[x] ^ 0xFFFFFF);
      }
  EXPECT_EQ(b.pixel(19, 20), base.pixel(19, 20) ^ 0xFFFFFF);
  c.Ellipse(5, 6, 33, 35);
  EXPECT_TRUE(b.SamePixels(base));
}

TEST(Polygon, FillModesDifferInTheMiddleOfAStar) {
  const std::vector<Point> star = {{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}};
  for (FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
    Bitmap b(40, 40, White);
    Canvas c(b);
    c.setPen({PenStyle::Clear});
    c.setBrush(Brush::Solid(Red));
    c.setPolygonFillMode(mode);
    c.Polygon(star);
    EXPECT_EQ(b.pixel(20, 20) == Red, mode == FillMode::Winding);
    EXPECT_EQ(b.pixel(20, 8), Red);
  }
}

TEST(Polygon, AxisAlignedFillExcludesRightAndBottomAndThePenDrawsThem) {
  const std::vector<Point> square = {{2, 2}, {8, 2}, {8, 7}, {2, 7}};
  Bitmap b(12, 12, White);
  Canvas c(b);
  c.setPen({PenStyle::Clear});
  c.setBrush(Brush::Solid(Red));
  c.Polygon(square);
  EXPECT_EQ(InkBox(b, White), (Rect{2, 2, 8, 7}));
  c.setPen({PenStyle::Solid, 1, Black});
  c.Polygon(square);
  EXPECT_EQ(InkBox(b, White), (Rect{2, 2, 9, 8}));
  EXPECT_EQ(b.pixel(8, 7), Black);
  EXPECT_EQ(b.pixel(5, 5), Red);
}

TEST(FocusRect, AlternatePixelsAndTwiceRestores) {
  const Bitmap base = test::RandomBitmap(20, 20, 9);
  Bitmap b = base;
  Canvas c(b);
  c.DrawFocusRect({3, 4, 15, 12});
  EXPECT_EQ(test::ChangedPixels(b, base), 18);  // half of the 36 border pixels
  EXPECT_EQ(b.pixel(3, 5), base.pixel(3, 5) ^ 0xFFFFFF);
  EXPECT_EQ(b.pixel(3, 4), base.pixel(3, 4));
  c.DrawFocusRect({3, 4, 15, 12});
  EXPECT_TRUE(b.SamePixels(base));
}

TEST(FillRect, IgnoresTheMixModeAndFrameRectDrawsOnePixel) {
  Bitmap b(10, 10, White);
  Canvas c(b);
  c.setRop2(Rop2::XorPen);
  c.FillRect({1, 1, 4, 4}, Brush::Solid(Red));
  EXPECT_EQ(b.pixel(2, 2), Red);
  c.FrameRect({5, 5, 9, 9}, Brush::Solid(Green));
  EXPECT_EQ(InkBox(b, White), (Rect{1, 1, 9, 9}));
  EXPECT_EQ(b.pixel(6, 6), White);
  EXPECT_EQ(b.pixel(8, 8), Green);
}

// The page swatches: an outline flood-filled with a colour, including a fill
// colour equal to the border's.
TEST(FloodFill, BorderAndSurfaceModesStopWhereTheyShould) {
  Bitmap b(12, 12, White);
  Canvas c(b);
  c.setBrush(Brush::clear());
  c.Rectangle(2, 2, 10, 10);
  c.setBrush(Brush::Solid(Black));
  EXPECT_TRUE(c.FloodFill(5, 5, Black, FloodMode::Border));
  EXPECT_EQ(b.pixel(3, 3), Black);
  EXPECT_EQ(b.pixel(1, 1), White);
  EXPECT_FALSE(c.FloodFill(5, 5, Black, FloodMode::Border));  // already border colour
  c.setBrush(Brush::Solid(Green));
  EXPECT_TRUE(c.FloodFill(0, 0, White, FloodMode::Surface));
  EXPECT_EQ(b.pixel(11, 11), Green);
  EXPECT_EQ(b.pixel(5, 5), Black);
  EXPECT_FALSE(c.FloodFill(-1, 3, White));
  EXPECT_FALSE(c.FloodFill(3, 400, White));
}

TEST(FloodFill, StaysInsideTheClip) {
  Bitmap b(10, 10, White);
  Canvas c(b);
  c.setClip(Region::FromRect({0, 0, 5, 10}));
  c.setBrush(Brush::Solid(Red));
  EXPECT_TRUE(c.FloodFill(1, 1, White, FloodMode::Surface));
  EXPECT_EQ(InkBox(b, White), (Rect{0, 0, 5, 10}));
  EXPECT_FALSE(c.FloodFill(7, 1, White, FloodMode::Surface));
}

TEST(Shapes, ZeroSizedAndHugeShapesAreHarmless) {
  Bitmap b(16, 16, White);
  Canvas c(b);
  c.setBrush(Brush::Solid(Red));
  c.Rectangle(5, 5, 5, 9);
  c.Ellipse(3, 3, 3, 3);
  c.RoundRect(1, 1, 1, 1, 0, 0);
  c.Polygon(std::vector<Point>{});
  c.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_EQ(b.pixel(8, 8), Red);
  c.setPen({PenStyle::Solid, 1000000, Black});
  c.Rectangle(-5, -5, 20, 20);
  EXPECT_EQ(b.pixel(8, 8), Black);
}

}  // namespace
}  // namespace gfx
