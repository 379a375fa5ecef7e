#include "gfx/bitmap.h"

#include <algorithm>
#include <cstring>

namespace gfx {

Bitmap Bitmap::Wrap(Pixel* pixels, int width, int height, int stride) {
  Bitmap b;
  if (!pixels || width <= 0 || height <= 0 || stride < width) return b;
  b.data_ = pixels;
  b.width_ = width;
  b.height_ = height;
  b.stride_ = stride;
  return b;
}

Bitmap::Bitmap(const Bitmap& other) { *this = other; }

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this == &other) return *this;
  if (!Create(other.width_, other.height_)) return *this;
  for (int y = 0; y < height_; ++y)
    std::memcpy(row(y), other.row(y), static_cast<std::size_t>(width_) * sizeof(Pixel));
  return *this;
}

bool Bitmap::Create(int width, int height, Color fill) {
  storage_.clear();
  data_ = nullptr;
  width_ = height_ = stride_ = 0;
  if (width <= 0 || height <= 0) return width == 0 || height == 0;
  if (width > MaxDimension || height > MaxDimension ||
      static_cast<long long>(width) * height > MaxPixels)
    return false;
  storage_.assign(static_cast<std::size_t>(width) * height, ToPixel(fill) & RgbMask);
  data_ = storage_.data();
  width_ = width;
  height_ = height;
  stride_ = width;
  return true;
}

Color Bitmap::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return InvalidColor;
  return ToColor(row(y)[x]);
}

void Bitmap::setPixel(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  row(y)[x] = ToPixel(c) & RgbMask;
}

void Bitmap::Fill(Color c) { FillRect(bounds(), c); }

void Bitmap::FillRect(const Rect& r, Color c) {
  const Rect clipped = Intersect(r.Normalized(), bounds());
  if (clipped.empty()) return;
  const Pixel p = ToPixel(c) & RgbMask;
  for (int y = clipped.top; y < clipped.bottom; ++y)
    std::fill(row(y) + clipped.left, row(y) + clipped.right, p);
}

int Bitmap::ReplaceColor(Color from, Color to) {
  const Pixel a = ToPixel(from) & RgbMask;
  const Pixel b = ToPixel(to) & RgbMask;
  int changed = 0;
  for (int y = 0; y < height_; ++y) {
    Pixel* p = row(y);
    for (int x = 0; x < width_; ++x) {
      if (p[x] == a) {
        p[x] = b;
        ++changed;
      }
    }
  }
  return a == b ? 0 : changed;
}

Bitmap Bitmap::Copy(const Rect& r) const {
  const Rect n = r.Normalized();
  Bitmap out(n.width(), n.height());
  if (out.empty()) return out;
  const Rect src = Intersect(n, bounds());
  for (int y = src.top; y < src.bottom; ++y)
    std::memcpy(out.row(y - n.top) + (src.left - n.left), row(y) + src.left,
                static_cast<std::size_t>(src.width()) * sizeof(Pixel));
  return out;
}

bool Bitmap::SamePixels(const Bitmap& other) const {
  if (width_ != other.width_ || height_ != other.height_) return false;
  for (int y = 0; y < height_; ++y)
    if (std::memcmp(row(y), other.row(y), static_cast<std::size_t>(width_) * sizeof(Pixel)) != 0)
      return false;
  return true;
}

}  // namespace gfx
