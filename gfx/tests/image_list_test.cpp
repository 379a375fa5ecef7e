#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "gfx/image_list.h"
#include "test_util.h"

namespace gfx {
namespace {

constexpr Color Mask = 0x008080;

Bitmap Dot(int size, Color c) {
  Bitmap b(size, size, Mask);
  Canvas cv(b);
  cv.setBrush(Brush::Solid(c));
  cv.Ellipse(2, 2, size - 2, size - 2);
  return b;
}

TEST(ImageList, AddReplaceRemoveReusesTheFreedSlot) {
  ImageList list(16, 16, Mask);
  EXPECT_EQ(list.Add(Dot(16, 0x0000FF)), 0);
  EXPECT_EQ(list.Add(Dot(16, 0x00FF00)), 1);
  EXPECT_EQ(list.Add(Dot(16, 0xFF0000)), 2);
  list.Remove(1);
  EXPECT_FALSE(list.valid(1));
  EXPECT_TRUE(list.image(1).empty());
  EXPECT_EQ(list.Add(Dot(16, 0xFFFFFF)), 1);
  EXPECT_EQ(list.image(1).pixel(8, 8), 0xFFFFFFu);
  EXPECT_TRUE(list.Replace(2, Dot(16, 0)));
  EXPECT_EQ(list.image(2).pixel(8, 8), 0u);
  EXPECT_FALSE(list.Replace(7, Dot(16, 0)));
  EXPECT_EQ(list.Add(Bitmap()), -1);
  list.Remove(-3);
  EXPECT_EQ(list.count(), 3);
}

TEST(ImageList, OtherSizesAreStretchedToTheCellKeepingTheMaskColour) {
  ImageList list(26, 26, Mask);
  const int i = list.Add(Dot(13, 0x0000FF));
  ASSERT_EQ(list.image(i).size(), (Size{26, 26}));
  EXPECT_EQ(list.image(i).pixel(0, 0), Mask);
  EXPECT_EQ(list.image(i).pixel(13, 13), 0x0000FFu);
}

TEST(ImageList, DrawLeavesTheMaskColourTransparent) {
  ImageList list(16, 16, Mask);
  const int i = list.Add(Dot(16, 0x0000FF));
  Bitmap b(20, 20, 0xFFFFFF);
  Canvas c(b);
  EXPECT_TRUE(list.Draw(c, 2, 2, i));
  EXPECT_EQ(b.pixel(2, 2), 0xFFFFFFu);
  EXPECT_EQ(b.pixel(10, 10), 0x0000FFu);
  EXPECT_FALSE(list.Draw(c, 0, 0, 5));
  ImageList opaque(16, 16, Mask, false);
  opaque.Add(Dot(16, 0x0000FF));
  EXPECT_TRUE(opaque.Draw(c, 2, 2, 0));
  EXPECT_EQ(b.pixel(2, 2), Mask);
}

}  // namespace
}  // namespace gfx
