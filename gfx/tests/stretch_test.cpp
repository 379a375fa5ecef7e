#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "test_util.h"

namespace gfx {
namespace {

using test::RandomBitmap;

TEST(Stretch, NearestByIntegerFactorsRepeatsEachPixelExactly) {
  const Bitmap src = RandomBitmap(5, 4, 21);
  for (int k : {2, 3}) {
    Bitmap b(5 * k, 4 * k);
    Canvas c(b);
    ASSERT_TRUE(c.StretchBlt(0, 0, 5 * k, 4 * k, src, 0, 0, 5, 4));
    for (int y = 0; y < 4 * k; ++y)
      for (int x = 0; x < 5 * k; ++x) ASSERT_EQ(b.pixel(x, y), src.pixel(x / k, y / k)) << k;
  }
}

TEST(Stretch, NearestByANonIntegerFactorSamplesPixelCentres) {
  // 3 source columns into 7: the centre of destination pixel x lies over source
  // column floor((x + 0.5) * 3 / 7).
  Bitmap src(3, 1);
  src.setPixel(0, 0, 0x0000FF);
  src.setPixel(1, 0, 0x00FF00);
  src.setPixel(2, 0, 0xFF0000);
  Bitmap b(7, 1);
  Canvas c(b);
  c.StretchBlt(0, 0, 7, 1, src, 0, 0, 3, 1);
  const int want[7] = {0, 0, 1, 1, 1, 2, 2};
  for (int x = 0; x < 7; ++x) EXPECT_EQ(b.pixel(x, 0), src.pixel(want[x], 0)) << x;
}

TEST(Stretch, NearestKeepsOnlySourceColoursSoColourKeysSurvive) {
  Bitmap src(7, 5, 0x008080);
  src.FillRect({2, 1, 5, 4}, 0x0000FF);
  Bitmap b(23, 13);
  Canvas c(b);
  c.StretchBlt(0, 0, 23, 13, src, 0, 0, 7, 5);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 23; ++x) {
      const Color p = b.pixel(x, y);
      EXPECT_TRUE(p == 0x008080u || p == 0x0000FFu) << x << "," << y;
    }
}

TEST(Stretch, ClippedStretchIsThePartOfTheWholeOne) {
  const Bitmap src = RandomBitmap(9, 7, 4);
  for (StretchMode mode : {StretchMode::Nearest, StretchMode::Smooth}) {
    Bitmap whole(40, 30);
    Canvas cw(whole);
    cw.setStretchMode(mode);
    cw.StretchBlt(-6, -4, 50, 37, src, 0, 0, 9, 7);
    Bitmap part(40, 30);
    Canvas cp(part);
    cp.setStretchMode(mode);
    cp.setClip(Region::FromRect({10, 8, 25, 21}));
    cp.StretchBlt(-6, -4, 50, 37, src, 0, 0, 9, 7);
    EXPECT_TRUE(test::SamePicture(part.Copy({10, 8, 25, 21}), whole.Copy({10, 8, 25, 21}), "stretch_clip"));
  }
}

TEST(Stretch, NegativeExtentsMirror) {
  const Bitmap src = RandomBitmap(4, 3, 8);
  Bitmap b(4, 3);
  Canvas c(b);
  c.StretchBlt(4, 0, -4, 3, src, 0, 0, 4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.pixel(x, y), src.pixel(3 - x, y));
}

TEST(Stretch, SmoothEnlargementBlendsBetweenNeighbours) {
  Bitmap src(2, 1);
  src.setPixel(0, 0, 0x000000);
  src.setPixel(1, 0, 0xFFFFFF);
  Bitmap b(8, 1);
  Canvas c(b);
  c.setStretchMode(StretchMode::Smooth);
  c.StretchBlt(0, 0, 8, 1, src, 0, 0, 2, 1);
  EXPECT_EQ(b.pixel(0, 0), 0x000000u);
  EXPECT_EQ(b.pixel(7, 0), 0xFFFFFFu);
  for (int x = 1; x < 8; ++x) EXPECT_GE(RedOf(b.pixel(x, 0)), RedOf(b.pixel(x - 1, 0)));
  const int mid = RedOf(b.pixel(4, 0));
  EXPECT_GT(mid, 100);
  EXPECT_LT(mid, 200);
}

TEST(Stretch, SmoothReductionAveragesTheArea) {
  const Bitmap checker = gfx::testing::BitmapFromText({"#.#.", ".#.#", "#.#.", ".#.#"},
                                                      {{'#', 0x000000}, {'.', 0xFFFFFF}});
  Bitmap b(2, 2);
  Canvas c(b);
  c.setStretchMode(StretchMode::Smooth);
  c.StretchBlt(0, 0, 2, 2, checker, 0, 0, 4, 4);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_NEAR(RedOf(b.pixel(x, y)), 128, 1);
}

TEST(Stretch, WithARasterOperationAndFromItself) {
  Bitmap src(2, 2, 0xFFFFFF);
  Bitmap b(4, 4, 0x0F0F0F);
  Canvas c(b);
  c.StretchBlt(0, 0, 4, 4, src, 0, 0, 2, 2, rop3::SrcInvert);
  EXPECT_EQ(b.pixel(3, 3), 0xF0F0F0u);
  b.setPixel(0, 0, 0x0000FF);
  c.StretchBlt(0, 0, 4, 4, b, 0, 0, 1, 1);  // the zoom tool reads the same picture
  EXPECT_EQ(b.pixel(3, 3), 0x0000FFu);
  EXPECT_FALSE(c.StretchBlt(0, 0, 4, 4, Bitmap(), 0, 0, 1, 1));
  EXPECT_TRUE(c.StretchBlt(0, 0, 4, 4, src, 50, 50, 1, 1));  // source outside: nothing
  EXPECT_EQ(b.pixel(3, 3), 0x0000FFu);
  EXPECT_TRUE(c.StretchBlt(-2000000000, -2000000000, 2147483647, 2147483647, src, 0, 0, 2, 2));
  EXPECT_EQ(b.pixel(3, 3), 0xFFFFFFu);
}

}  // namespace
}  // namespace gfx
