#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "gfx/font/font_service.h"
#include "test_util.h"

namespace gfx {
namespace {

using test::InkBox;

class Text : public ::testing::Test {
 protected:
  std::unique_ptr<FontService> fonts = font::CreateFontService(96);
};

TEST_F(Text, WindowsFaceNamesResolveToInstalledSansFaces) {
  EXPECT_EQ(fonts->Open({"Arial", 12})->family(), "Liberation Sans");
  const std::string ms = fonts->Open({"MS Sans Serif", 8})->family();
  EXPECT_NE(ms.find("Sans"), std::string::npos) << ms;
  EXPECT_NE(fonts->Open({"No Such Face At All", 10}), nullptr);
}

TEST_F(Text, PointsConvertAtTheServiceResolutionAndMetricsAddUp) {
  const auto pt12 = fonts->Open({"Arial", 12});
  const auto px16 = fonts->Open({"Arial", 16, FontUnit::Pixels});
  EXPECT_EQ(pt12->metrics().height, px16->metrics().height);
  const FontMetrics& m = pt12->metrics();
  EXPECT_EQ(m.height, m.ascent + m.descent);
  // Arial-compatible line metrics at a 16-pixel em, as the platform's renderer
  // reports them for the same face: 14 up, 3 down.
  EXPECT_EQ(m.ascent, 14);
  EXPECT_EQ(m.descent, 3);
  EXPECT_GT(m.averageCharWidth, 0);
  const auto big = fonts->Open({"Arial", 40});
  EXPECT_GT(big->TextExtent("Hello").cx, 2 * pt12->TextExtent("Hello").cx);
  EXPECT_GT(fonts->Open({"Arial", 12, FontUnit::Points, true})->TextExtent("Hello").cx,
            pt12->TextExtent("Hello").cx);
}

TEST_F(Text, ExtentMatchesThePlatformRendererForTheSameFace) {
  // 60 pixels is what the Windows build measures for this text and font (under wine).
  EXPECT_EQ(fonts->Open({"Arial", 12})->TextExtent("Velmora").cx, 60);
}

TEST_F(Text, ExtentIsTheSumOfAbcWidths) {
  Bitmap b(10, 10);
  Canvas c(b, fonts.get());
  c.setFont({"Arial", 20});
  int sum = 0;
  for (char ch : std::string("Wavy")) {
    const AbcWidth w = c.abcWidth(static_cast<char32_t>(ch));
    EXPECT_GT(w.b, 0);
    sum += w.a + w.b + w.c;
  }
  EXPECT_EQ(c.TextExtent("Wavy").cx, sum);
  EXPECT_EQ(c.TextExtent("Wavy").cy, c.fontMetrics().height);
  EXPECT_EQ(c.TextExtent("").cx, 0);
}

TEST_F(Text, TransparentTextLeavesTheBackgroundAndOpaqueFillsTheCell) {
  for (BackgroundMode mode : {BackgroundMode::Transparent, BackgroundMode::Opaque}) {
    Bitmap b(120, 40, 0x00FF00);
    Canvas c(b, fonts.get());
    c.setFont({"Arial", 14, FontUnit::Points, false, false, false, false, 0x0000FF});
    c.setBackgroundMode(mode);
    c.setBackgroundColor(0xFFFFFF);
    c.TextOut(10, 5, "Ink");
    const Size ext = c.TextExtent("Ink");
    const Rect ink = InkBox(b, 0x00FF00);
    if (mode == BackgroundMode::Opaque) {
      EXPECT_EQ(ink, (Rect{10, 5, 10 + ext.cx, 5 + ext.cy}));
    } else {
      EXPECT_GE(ink.left, 10);
      EXPECT_LE(ink.right, 10 + ext.cx + 1);
      EXPECT_GE(ink.top, 5);
      EXPECT_LE(ink.bottom, 5 + ext.cy);
    }
    int red = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x) red += b.pixel(x, y) == 0x0000FFu;
    EXPECT_GT(red, 10);
  }
}

TEST_F(Text, MonochromeTextUsesOnlyTheTextColourAndUnderlineSpansTheExtent) {
  Bitmap b(100, 40, 0xFFFFFF);
  Canvas c(b, fonts.get());
  Font f{"Arial", 16, FontUnit::Points, false, false, true};
  f.quality = FontQuality::Monochrome;
  c.setFont(f);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.TextOut(4, 4, "ii");
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) {
      const Color p = b.pixel(x, y);
      ASSERT_TRUE(p == 0xFFFFFFu || p == 0u) << x << "," << y;
    }
  const Size ext = c.TextExtent("ii");
  bool underline = false;
  for (int y = 4; y < 4 + ext.cy; ++y) {
    int run = 0;
    for (int x = 4; x < 4 + ext.cx; ++x) run += b.pixel(x, y) == 0u;
    underline |= run == ext.cx;
  }
  EXPECT_TRUE(underline);
}

TEST_F(Text, ClippedAndFarAwayTextIsSafe) {
  Bitmap b(30, 20, 0xFFFFFF);
  Canvas c(b, fonts.get());
  c.setFont({"Arial", 30});
  c.setClip(Region::FromRect({0, 0, 10, 20}));
  c.TextOut(2, 0, "WWW");
  EXPECT_LE(InkBox(b, 0xFFFFFF).right, 10);
  c.TextOut(-2000000000, 2000000000, "W");
  c.TextOut(5, 5, "\xff\xfe broken \xe2\x82");
  Canvas noFonts(b);
  noFonts.TextOut(0, 0, "nothing");
  EXPECT_EQ(noFonts.TextExtent("nothing").cx, 0);
}

TEST(Utf8, DecodesAndReplacesMalformedBytes) {
  EXPECT_EQ(DecodeUtf8("a\xc3\xa9\xe2\x82\xac"), std::u32string(U"a\u00e9\u20ac"));
  EXPECT_EQ(DecodeUtf8("\xc3"), std::u32string(U"\ufffd"));
  EXPECT_EQ(DecodeUtf8("\xc0\xaf"), std::u32string(U"\ufffd\ufffd"));  // overlong
}

}  // namespace
}  // namespace gfx
