// Small helpers shared by the raster engine's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "gfx/bitmap.h"
#include "gfx/testing/bitmap_compare.h"

namespace gfx::test {

inline Bitmap RandomBitmap(int w, int h, std::uint32_t seed) {
  Bitmap b(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.row(y)[x] = rng() & RgbMask;
  return b;
}

// Pixels of `b` that differ from `base`.
inline int ChangedPixels(const Bitmap& b, const Bitmap& base) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) n += b.row(y)[x] != base.row(y)[x];
  return n;
}

inline ::testing::AssertionResult SamePicture(const Bitmap& actual, const Bitmap& expected,
                                              const std::string& name, int tolerance = 0) {
  const auto r = gfx::testing::CompareBitmaps(actual, expected, name, tolerance);
  if (r.equal) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << r.message;
}

// Bounding box of the pixels not equal to the background colour.
inline Rect InkBox(const Bitmap& b, Color background) {
  Rect r{b.width(), b.height(), -1, -1};
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != background) {
        r.left = std::min(r.left, x);
        r.top = std::min(r.top, y);
        r.right = std::max(r.right, x + 1);
        r.bottom = std::max(r.bottom, y + 1);
      }
  return r.right < 0 ? Rect{} : r;
}

}  // namespace gfx::test
