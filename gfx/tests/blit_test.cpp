#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "test_util.h"

namespace gfx {
namespace {

using test::RandomBitmap;
constexpr Color White = 0xFFFFFF, Black = 0x000000, Red = 0x0000FF, Yellow = 0x00FFFF;

TEST(BitBlt, CopiesClipsAtEveryEdgeAndIgnoresEmptySizes) {
  const Bitmap src = RandomBitmap(8, 6, 1);
  Bitmap b(10, 10, White);
  Canvas c(b);
  EXPECT_TRUE(c.BitBlt(-3, 7, 8, 6, &src, 0, 0, rop3::SrcCopy));
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool in = x < 5 && y >= 7;
      EXPECT_EQ(b.pixel(x, y), in ? src.pixel(x + 3, y - 7) : White) << x << "," << y;
    }
  const Bitmap before = b;
  EXPECT_TRUE(c.BitBlt(2, 2, 0, 5, &src, 0, 0, rop3::SrcCopy));
  EXPECT_TRUE(c.BitBlt(2, 2, 5, -5, &src, 0, 0, rop3::SrcCopy));
  EXPECT_TRUE(c.BitBlt(2000000000, 2000000000, 2000000000, 5, &src, 0, 0, rop3::SrcCopy));
  // A source rectangle beyond the source bitmap copies only what exists.
  EXPECT_TRUE(c.BitBlt(0, 0, 4, 4, &src, 6, -2, rop3::SrcCopy));
  EXPECT_EQ(b.pixel(0, 2), src.pixel(6, 0));
  EXPECT_EQ(b.pixel(2, 2), before.pixel(2, 2));
  EXPECT_EQ(b.pixel(0, 0), before.pixel(0, 0));
  EXPECT_FALSE(c.BitBlt(0, 0, 4, 4, nullptr, 0, 0, rop3::SrcCopy));
  EXPECT_TRUE(c.BitBlt(0, 0, 4, 4, nullptr, 0, 0, rop3::DstInvert));
}

// Scrolling within one bitmap, in all four directions, with plain copy and
// with an operation that takes the slow row path.
TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheOriginalPixels) {
  const Bitmap base = RandomBitmap(16, 12, 5);
  for (auto [dx, dy] : {std::pair{3, 2}, {-3, -2}, {4, 0}, {0, -5}, {-2, 3}}) {
    for (std::uint32_t rop : {rop3::SrcCopy, rop3::SrcInvert}) {
      Bitmap b = base;
      Canvas c(b);
      c.BitBlt(2 + dx, 2 + dy, 10, 7, &b, 2, 2, rop);
      Bitmap expected = base;
      Canvas e(expected);
      e.BitBlt(2 + dx, 2 + dy, 10, 7, &base, 2, 2, rop);
      EXPECT_TRUE(test::SamePicture(b, expected, "overlap")) << dx << "," << dy << " rop " << std::hex << rop;
    }
  }
}

TEST(BitBlt, TheRasterOperationsTheToolsUse) {
  const Pixel S = 0x00C0F00F, D = 0x00AA55CC, P = 0x000FF0AA;
  struct Case {
    std::uint32_t rop;
    Pixel want;
  };
  const Case cases[] = {{rop3::SrcCopy, S},           {rop3::SrcInvert, S ^ D},
                        {rop3::SrcAnd, S & D},       {rop3::SrcPaint, S | D},
                        {rop3::MergeCopy, P & S},    {rop3::DestAndPatOrNotSrc, D & (P | (~S & RgbMask))},
                        {rop3::PatCopy, P},           {rop3::PatInvert, P ^ D},
                        {rop3::DstInvert, ~D & RgbMask}, {0x00B8074A, ((P ^ D) & S) ^ P}};
  for (const Case& k : cases) {
    Bitmap src(3, 3);
    src.row(1)[1] = S;
    Bitmap b(3, 3);
    b.row(1)[1] = D;
    Canvas c(b);
    c.setBrush(Brush::Solid(ToColor(P)));
    c.BitBlt(1, 1, 1, 1, &src, 1, 1, k.rop);
    EXPECT_EQ(b.row(1)[1], k.want) << std::hex << k.rop;
    EXPECT_EQ(b.row(0)[0], 0u);
  }
}

// A monochrome pattern: 0 bits in the text colour, 1 bits in the background
// colour, its (0, 0) at the brush origin, whatever the destination position.
TEST(Pattern, BitsTakeTextAndBackgroundColoursAlignedToTheBrushOrigin) {
  const PatternBits checker = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  const PatternBits corner = {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (Point origin : {Point{0, 0}, Point{3, 5}, Point{-2, 9}}) {
    Bitmap b(20, 20, White);
    Canvas c(b);
    c.setTextColor(Red);
    c.setBackgroundColor(Yellow);
    c.setBrushOrigin(origin);
    c.setBrush(Brush::pattern(corner));
    c.PatBlt(1, 2, 17, 15, rop3::PatCopy);
    for (int y = 2; y < 17; ++y)
      for (int x = 1; x < 18; ++x) {
        const bool zero = ((x - origin.x) & 7) == 0 && ((y - origin.y) & 7) == 0;
        EXPECT_EQ(b.pixel(x, y), zero ? Red : Yellow) << x << "," << y;
      }
    // The same brush through a shape fill lines up with the blit.
    Bitmap s(20, 20, White);
    Canvas cs(s);
    cs.setTextColor(Red);
    cs.setBackgroundColor(Yellow);
    cs.setBrushOrigin(origin);
    cs.setBrush(Brush::pattern(checker));
    cs.FillRect({0, 0, 20, 20}, cs.brush());
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        EXPECT_EQ(s.pixel(x, y), ((x - origin.x + y - origin.y) & 1) ? Red : Yellow);
  }
}

TEST(Pattern, HatchBackgroundIsLeftAloneInTransparentMode) {
  for (BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
    Bitmap b(8, 8, White);
    Canvas c(b);
    c.setBackgroundMode(mode);
    c.setBackgroundColor(Yellow);
    c.setPen({PenStyle::Clear});
    c.setBrush(Brush::Hatched(HatchStyle::Horizontal, Red));
    c.Rectangle(0, 0, 9, 9);
    EXPECT_EQ(b.pixel(4, 3), Red);
    EXPECT_EQ(b.pixel(4, 4), mode == BackgroundMode::Opaque ? Yellow : White);
  }
}

TEST(TransparentBlt, LeavesTheKeyColourOutAndStretches) {
  Bitmap icon(2, 2, 0x008080);
  icon.setPixel(0, 0, Red);
  icon.setPixel(1, 1, Black);
  Bitmap b(4, 4, White);
  Canvas c(b);
  EXPECT_TRUE(c.TransparentBlt(0, 0, 4, 4, icon, 0, 0, 2, 2, 0x008080));
  const Bitmap want = gfx::testing::BitmapFromText({"RR..", "RR..", "..##", "..##"},
                                                   {{'R', Red}, {'.', White}, {'#', Black}});
  EXPECT_TRUE(test::SamePicture(b, want, "transparent_blt"));
  EXPECT_FALSE(c.TransparentBlt(0, 0, 4, 4, Bitmap(), 0, 0, 2, 2, 0));
}

TEST(Tile, WholeCopiesFromTheTopLeftCutAtTheEdges) {
  const Bitmap t = gfx::testing::BitmapFromText({"R#", "#."}, {{'R', Red}, {'.', White}, {'#', Black}});
  Bitmap b(7, 6, Yellow);
  Canvas c(b);
  c.Tile({1, 1, 6, 4}, t);
  const Bitmap want = gfx::testing::BitmapFromText(
      {"YYYYYYY", "YR#R#RY", "Y#.#.#Y", "YR#R#RY", "YYYYYYY", "YYYYYYY"},
      {{'R', Red}, {'.', White}, {'#', Black}, {'Y', Yellow}});
  EXPECT_TRUE(test::SamePicture(b, want, "tile"));
  c.Tile({0, 0, 7, 6}, Bitmap());  // no source: nothing, and no hang
  c.Tile({-2000000000, -2000000000, 2000000000, 2000000000}, t);
  EXPECT_EQ(b.pixel(0, 0), Red);
}

}  // namespace
}  // namespace gfx
