// A 32-bit, top-down pixel buffer with a stride: what every tool draws into.
#pragma once

#include <cstddef>
#include <vector>

#include "gfx/types.h"

namespace gfx {

class Bitmap {
 public:
  // Guards against absurd sizes coming from files or arithmetic: beyond these the
  // bitmap stays empty instead of asking for gigabytes.
  static constexpr int MaxDimension = 1 << 15;
  static constexpr long long MaxPixels = 1LL << 28;

  Bitmap() = default;
  Bitmap(int width, int height, Color fill = 0) { Create(width, height, fill); }

  // A bitmap over memory someone else owns (a window's pixel buffer); stride in pixels.
  [[nodiscard]] static Bitmap Wrap(Pixel* pixels, int width, int height, int stride);

  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&&) noexcept = default;
  Bitmap& operator=(Bitmap&&) noexcept = default;

  // Reallocates; false (and an empty bitmap) when the size is out of bounds.
  bool Create(int width, int height, Color fill = 0);

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] int stride() const { return stride_; }
  [[nodiscard]] bool empty() const { return width_ <= 0 || height_ <= 0; }
  [[nodiscard]] Rect bounds() const { return {0, 0, width_, height_}; }
  [[nodiscard]] Size size() const { return {width_, height_}; }

  [[nodiscard]] Pixel* row(int y) { return data_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  [[nodiscard]] const Pixel* row(int y) const {
    return data_ + static_cast<std::ptrdiff_t>(y) * stride_;
  }
  [[nodiscard]] Pixel* data() { return data_; }
  [[nodiscard]] const Pixel* data() const { return data_; }

  // InvalidColor outside the bitmap, as GetPixel answers.
  [[nodiscard]] Color pixel(int x, int y) const;
  void setPixel(int x, int y, Color c);

  void Fill(Color c);
  void FillRect(const Rect& r, Color c);
  // Returns how many pixels changed colour.
  int ReplaceColor(Color from, Color to);
  // The part of this bitmap under r; pixels of r outside the bitmap are black.
  [[nodiscard]] Bitmap Copy(const Rect& r) const;

  // Same size and same colours; stride and ownership do not matter.
  [[nodiscard]] bool SamePixels(const Bitmap& other) const;

 private:
  std::vector<Pixel> storage_;
  Pixel* data_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
};

}  // namespace gfx
