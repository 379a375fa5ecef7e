#include <gtest/gtest.h>

#include "gfx/codecs/bmp.h"
#include "gfx/tests/test_util.h"

namespace gfx {
namespace {

// A picture whose colours survive every depth: few enough for a 1-bit palette
// per pair, and channel values exact in 5 and 6 bits (0, 8, 255).
Bitmap Fixture(int colours) {
  const Color all[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x08FF00, 0xFF0008, 0x00FFFF, 0x080808, 0xFF00FF};
  Bitmap b(13, 5);  // odd width: rows need padding at every depth
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) b.setPixel(x, y, all[(x * 3 + y) % colours]);
  return b;
}

TEST(Bmp, RoundTripsAtEveryDepth) {
  struct Case {
    int bits;
    bool fields;
    int colours;
  };
  for (const Case& k : {Case{1, false, 2}, Case{4, false, 8}, Case{8, false, 8}, Case{16, false, 8},
                        Case{16, true, 8}, Case{24, false, 8}, Case{32, false, 8}, Case{32, true, 8}}) {
    const Bitmap src = Fixture(k.colours);
    const auto bytes = codecs::EncodeBmp(src, {k.bits, k.fields});
    ASSERT_TRUE(bytes) << k.bits;
    Bitmap back;
    ASSERT_TRUE(codecs::DecodeBmp(*bytes, back)) << k.bits;
    EXPECT_TRUE(test::SamePicture(back, src, "bmp" + std::to_string(k.bits))) << k.bits << " fields " << k.fields;
  }
}

TEST(Bmp, PaletteDepthRefusesTooManyColours) {
  EXPECT_FALSE(codecs::EncodeBmp(Fixture(8), {1}));
  EXPECT_FALSE(codecs::EncodeBmp(test::RandomBitmap(20, 20, 1), {8}));
  EXPECT_FALSE(codecs::EncodeBmp(Bitmap(), {24}));
  EXPECT_FALSE(codecs::EncodeBmp(Fixture(2), {12}));
}

std::vector<std::uint8_t> Le(std::initializer_list<std::uint32_t> words, int size) {
  std::vector<std::uint8_t> v;
  for (std::uint32_t w : words)
    for (int i = 0; i < size; ++i) v.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
  return v;
}

// Variants our writer never produces: a core header with a 3-byte palette, a
// top-down V4 image with 4-4-4 bit fields.
TEST(Bmp, ReadsCoreHeadersAndTopDownBitfields) {
  std::vector<std::uint8_t> core = {'B', 'M'};
  for (auto part : {Le({0, 0}, 4), Le({14 + 12 + 6}, 4), Le({12}, 4), Le({2, 2, 1, 1}, 2)})
    core.insert(core.end(), part.begin(), part.end());
  core.insert(core.end(), {0x00, 0x00, 0xFF, /* red */ 0xFF, 0x00, 0x00 /* blue */});
  core.insert(core.end(), {0x40, 0, 0, 0, 0x80, 0, 0, 0});  // bottom row: 0,1; top row: 1,0
  Bitmap b;
  ASSERT_TRUE(codecs::DecodeBmp(core, b));
  EXPECT_EQ(b.pixel(0, 1), 0x0000FFu);
  EXPECT_EQ(b.pixel(1, 1), 0xFF0000u);
  EXPECT_EQ(b.pixel(0, 0), 0xFF0000u);

  std::vector<std::uint8_t> v4 = {'B', 'M'};
  for (auto part : {Le({0, 0, 14 + 108}, 4), Le({108, 1, static_cast<std::uint32_t>(-2)}, 4), Le({1, 16}, 2),
                    Le({3, 0, 0, 0, 0, 0, 0x0F00, 0x00F0, 0x000F, 0}, 4)})
    v4.insert(v4.end(), part.begin(), part.end());
  v4.resize(14 + 108, 0);
  v4.insert(v4.end(), {0x00, 0x0F, 0, 0, /* row 0: red */ 0xF0, 0x00, 0, 0 /* row 1: green */});
  ASSERT_TRUE(codecs::DecodeBmp(v4, b));
  EXPECT_EQ(b.pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(b.pixel(0, 1), 0x00FF00u);
}

TEST(Bmp, DamagedFilesFailCleanly) {
  const auto good = *codecs::EncodeBmp(Fixture(8), {8});
  Bitmap keep(3, 3, 0x123456);
  // Every truncation of a valid file.
  for (std::size_t n = 0; n < good.size(); ++n) {
    ASSERT_FALSE(codecs::DecodeBmp(std::span(good.data(), n), keep)) << n;
  }
  EXPECT_EQ(keep.width(), 3);
  auto patched = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    auto v = good;
    std::size_t i = at;
    for (std::uint8_t x : bytes) v[i++] = x;
    return v;
  };
  const std::vector<std::vector<std::uint8_t>> bad = {
      patched(0, {'X'}),                     // signature
      patched(14, {41}),                     // header size
      patched(18, {0, 0, 0, 0}),             // zero width
      patched(18, {0xFF, 0xFF, 0xFF, 0x7F}), // absurd width
      patched(22, {0, 0, 0, 0x80}),          // most negative height
      patched(28, {7}),                      // bit depth
      patched(30, {1}),                      // RLE compression
      patched(10, {0xFF, 0xFF, 0xFF, 0}),    // pixel offset past the end
  };
  for (const auto& v : bad) EXPECT_FALSE(codecs::DecodeBmp(v, keep));
  // Palette indices beyond the palette read as black rather than out of bounds.
  auto fewColours = patched(46, {2});
  EXPECT_TRUE(codecs::DecodeBmp(fewColours, keep));
  EXPECT_FALSE(codecs::DecodeBmp(good, keep, 10));  // larger than the caller allows
}

}  // namespace
}  // namespace gfx
