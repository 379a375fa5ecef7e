#include <gtest/gtest.h>

#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "gfx/canvas.h"
#include "gfx/codecs/image_file.h"
#include "gfx/codecs/jpeg.h"
#include "gfx/codecs/png.h"
#include "gfx/tests/test_util.h"

namespace gfx {
namespace {

// A photo-like picture: smooth gradients with a few hard edges.
Bitmap Scene() {
  Bitmap b(64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) b.setPixel(x, y, Rgb(x * 4, y * 5, 128 + (x - y)));
  Canvas c(b);
  c.setBrush(Brush::Solid(0x2040C0));
  c.Ellipse(10, 8, 40, 36);
  return b;
}

double Psnr(const Bitmap& a, const Bitmap& b) {
  double se = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      for (int s = 0; s < 24; s += 8) {
        const double d = static_cast<double>((a.row(y)[x] >> s) & 0xFF) - ((b.row(y)[x] >> s) & 0xFF);
        se += d * d;
      }
  const double mse = se / (a.width() * a.height() * 3.0);
  return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

TEST(Jpeg, RoundTripStaysWithinAQualityBound) {
  const Bitmap src = Scene();
  // Saturated edges on a 64 x 48 picture lose most to chroma subsampling; these
  // bounds still catch swapped channels, shifted rows or a wrong quality.
  double last = 0;
  for (auto [quality, minPsnr] : {std::pair{80, 28.0}, {95, 31.0}}) {
    const auto bytes = codecs::EncodeJpeg(src, quality);
    ASSERT_TRUE(bytes);
    Bitmap back;
    ASSERT_TRUE(codecs::DecodeJpeg(*bytes, back));
    ASSERT_EQ(back.size(), src.size());
    const double p = Psnr(src, back);
    EXPECT_GT(p, minPsnr) << quality;
    EXPECT_GT(p, last);
    last = p;
    for (int y = 0; y < back.height(); ++y)
      for (int x = 0; x < back.width(); ++x) ASSERT_EQ(back.row(y)[x] >> 24, 0u);
  }
  EXPECT_LT(codecs::EncodeJpeg(src, 10)->size(), codecs::EncodeJpeg(src, 95)->size());
  EXPECT_FALSE(codecs::EncodeJpeg(Bitmap()));
}

TEST(Jpeg, DamagedStreamsFailCleanly) {
  const auto good = *codecs::EncodeJpeg(Scene(), 80);
  Bitmap keep(2, 2, 0x123456);
  for (std::size_t n : {std::size_t{0}, std::size_t{2}, std::size_t{20}, std::size_t{200}, good.size() / 2,
                        good.size() - 2})
    EXPECT_FALSE(codecs::DecodeJpeg(std::span(good.data(), n), keep)) << n;
  EXPECT_EQ(keep.pixel(0, 0), 0x123456u);
  auto garbage = good;
  for (std::size_t i = 2; i < 300 && i < garbage.size(); i += 7) garbage[i] ^= 0x5A;
  (void)codecs::DecodeJpeg(garbage, keep);  // may or may not decode; must not crash
  EXPECT_FALSE(codecs::DecodeJpeg(good, keep, 100));
}

// Our PNG writer read back by libpng: valid files with the exact pixels.
TEST(Png, WrittenFilesReadBackExactly) {
  const Bitmap src = test::RandomBitmap(37, 300, 2);  // > 64 KiB of scanlines: several blocks
  const std::string path = (std::filesystem::temp_directory_path() / "velmora_gfx_png_test.png").string();
  ASSERT_TRUE(codecs::WritePngFile(path, src));
  png_image img{};
  img.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&img, path.c_str())) << img.message;
  img.format = PNG_FORMAT_BGRA;
  std::vector<std::uint8_t> px(PNG_IMAGE_SIZE(img));
  ASSERT_TRUE(png_image_finish_read(&img, nullptr, px.data(), 0, nullptr)) << img.message;
  ASSERT_EQ(img.width, 37u);
  ASSERT_EQ(img.height, 300u);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 37; ++x) {
      const std::uint8_t* p = px.data() + (y * 37 + x) * 4;
      ASSERT_EQ(static_cast<Pixel>(p[0] | p[1] << 8 | p[2] << 16), src.row(y)[x]);
    }
  std::filesystem::remove(path);
}

TEST(Compare, DumpsActualExpectedAndDifferenceOnMismatch) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "velmora_gfx_compare";
  std::filesystem::remove_all(dir);
  setenv("VELMORA_TEST_OUTPUT", dir.string().c_str(), 1);
  Bitmap a(4, 4, 0xFFFFFF), e(4, 4, 0xFFFFFF);
  EXPECT_TRUE(gfx::testing::CompareBitmaps(a, e, "same").equal);
  a.setPixel(2, 1, 0xFFFFFE);
  EXPECT_TRUE(gfx::testing::CompareBitmaps(a, e, "close", 1).equal);
  a.setPixel(3, 3, 0);
  const auto r = gfx::testing::CompareBitmaps(a, e, "differs/x");
  EXPECT_FALSE(r.equal);
  EXPECT_EQ(r.differing, 2);
  EXPECT_EQ(r.firstDiff, (Point{2, 1}));
  for (const char* kind : {"actual", "expected", "diff"})
    EXPECT_TRUE(std::filesystem::exists(dir / (std::string("differs_x.") + kind + ".png"))) << kind;
  EXPECT_FALSE(gfx::testing::CompareBitmaps(Bitmap(3, 4), e, "size").equal);
  unsetenv("VELMORA_TEST_OUTPUT");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace gfx

namespace gfx {
namespace {

std::string CorpusFile(const char* name) {
  const char* root = std::getenv("VELMORA_SOURCE_DIR");
  return std::string(root ? root : ".") + "/gfx/codecs/fuzz/corpus/jpeg/" + name;
}

// Variants other writers produce: grey, progressive and (Adobe-style) CMYK.
TEST(Jpeg, ReadsGreyProgressiveAndCmykFiles) {
  Bitmap grey, prog, cmyk;
  ASSERT_TRUE(codecs::ReadJpegFile(CorpusFile("grey.jpg"), grey));
  ASSERT_TRUE(codecs::ReadJpegFile(CorpusFile("progressive.jpg"), prog));
  ASSERT_TRUE(codecs::ReadJpegFile(CorpusFile("cmyk.jpg"), cmyk));
  for (const Bitmap* b : {&grey, &prog, &cmyk}) EXPECT_EQ(b->size(), (Size{24, 16}));
  for (int x = 0; x < 24; ++x) {
    const Color c = grey.pixel(x, 8);
    EXPECT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c));
  }
  // The progressive file holds red = 10x + 5y, blue = red + 80.
  EXPECT_NEAR(RedOf(prog.pixel(10, 8)), 140, 14);
  EXPECT_NEAR(BlueOf(prog.pixel(10, 8)), 220, 14);
}

}  // namespace
}  // namespace gfx
