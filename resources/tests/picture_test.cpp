// LoadPicture and SavePicture: round trips in both formats, and files that
// cannot be loaded.
#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/A_picture.h"
#include "gfx/codecs/jpeg.h"
#include "test_support/sim_fixture.h"

namespace {

using test_support::SimTest;

class PictureTest : public SimTest {
 protected:
  void SetUp() override { process().CreateFolders("C:\\Slides\\"); }
};

// A smooth picture, which JPEG at quality 80 keeps close.
gfx::Bitmap Gradient() {
  gfx::Bitmap b(64, 48);
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) b.setPixel(x, y, gfx::Rgb(x * 4, y * 5, 128));
  return b;
}

int LargestDifference(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      gfx::Color p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(gfx::RedOf(p) - gfx::RedOf(q)), std::abs(gfx::GreenOf(p) - gfx::GreenOf(q)),
                        std::abs(gfx::BlueOf(p) - gfx::BlueOf(q))});
    }
  return worst;
}

TEST_F(PictureTest, RoundTripsInBothFormats) {
  gfx::Bitmap original = Gradient();
  ASSERT_TRUE(resources::SavePicture(original, "C:\\Slides\\exact.bmp"));
  gfx::Bitmap back;
  ASSERT_TRUE(resources::LoadPicture(back, "C:\\Slides\\exact.bmp"));
  EXPECT_TRUE(back.SamePixels(original));

  ASSERT_TRUE(resources::SavePicture(original, "C:\\Slides\\close.jpg"));
  ASSERT_TRUE(resources::SavePicture(original, "C:\\Slides\\close.jpeg"));
  EXPECT_EQ(ReadFile("C:\\Slides\\close.jpg"), ReadFile("C:\\Slides\\close.jpeg"));
  gfx::Bitmap jpeg;
  ASSERT_TRUE(resources::LoadPicture(jpeg, "C:\\Slides\\close.jpg"));
  ASSERT_EQ(jpeg.size(), original.size());
  EXPECT_LE(LargestDifference(jpeg, original), 12);
  EXPECT_GT(LargestDifference(jpeg, original), 0);  // it is lossy: the file really is JPEG

  // Quality 80 exactly: a different quality gives a different file.
  auto at80 = ReadFile("C:\\Slides\\close.jpg");
  auto q80 = gfx::codecs::EncodeJpeg(original, 80), q95 = gfx::codecs::EncodeJpeg(original, 95);
  ASSERT_TRUE(q80 && q95);
  EXPECT_EQ(at80, std::string(q80->begin(), q80->end()));
  EXPECT_NE(at80, std::string(q95->begin(), q95->end()));
}

TEST_F(PictureTest, WhatCannotBeLoadedLeavesTheBitmapAsItWas) {
  gfx::Bitmap original = Gradient();
  ASSERT_TRUE(resources::SavePicture(original, "C:\\Slides\\good.bmp"));
  std::string bmp = ReadFile("C:\\Slides\\good.bmp");
  WriteFile("C:\\Slides\\cut.bmp", bmp.substr(0, 40));
  WriteFile("C:\\Slides\\noise.jpg", "\xFF\xD8\xFF\xE0 not really a picture");
  WriteFile("C:\\Slides\\good.BMP", bmp);  // the extension is compared as written
  WriteFile("C:\\Slides\\good.png", bmp);
  for (const char* path : {"C:\\Slides\\cut.bmp", "C:\\Slides\\noise.jpg", "C:\\Slides\\good.BMP",
                           "C:\\Slides\\good.png", "C:\\Slides\\absent.bmp"}) {
    SCOPED_TRACE(path);
    gfx::Bitmap empty;
    EXPECT_FALSE(resources::LoadPicture(empty, path));
    EXPECT_TRUE(empty.empty());
    gfx::Bitmap kept(3, 2, 0x00FF00);
    EXPECT_FALSE(resources::LoadPicture(kept, path));
    EXPECT_TRUE(kept.SamePixels(gfx::Bitmap(3, 2, 0x00FF00)));
  }
  EXPECT_FALSE(resources::SavePicture(original, "C:\\Slides\\out.png"));
  EXPECT_FALSE(process().Exists("C:\\Slides\\out.png"));
}

}  // namespace
