// Coverage masks (0 = nothing, 255 = fully inside) and how the generator
// combines them into pictures: glyphs and our drawings are all masks first.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"

namespace resources::generator {

struct Coverage {
  int w = 0, h = 0;
  std::vector<std::uint8_t> a;

  Coverage() = default;
  Coverage(int width, int height) : w(width), h(height), a(static_cast<std::size_t>(width) * height, 0) {}
  [[nodiscard]] bool empty() const { return w <= 0 || h <= 0; }
  [[nodiscard]] std::uint8_t at(int x, int y) const {
    return x < 0 || y < 0 || x >= w || y >= h ? 0 : a[static_cast<std::size_t>(y) * w + x];
  }
  std::uint8_t& Ref(int x, int y) { return a[static_cast<std::size_t>(y) * w + x]; }
};

// Draws with a canvas at `factor` times the size in white on black and
// averages back down: antialiased shapes from the exact gfx rasteriser.
Coverage Supersample(int w, int h, int factor, const std::function<void(gfx::Canvas&, int factor)>& draw);

// src laid onto a new w x h mask at (x, y).
Coverage Placed(const Coverage& src, int w, int h, int x, int y);
// Grows the mask by r pixels in every direction (a round brush).
Coverage Dilate(const Coverage& src, int r);
// Union and difference of masks of the same size.
void Unite(Coverage& dst, const Coverage& src);
void Cut(Coverage& dst, const Coverage& src);
void Intersect(Coverage& dst, const Coverage& src);
// Coverage of the bounding box where any pixel is at least the threshold.
gfx::Rect Bounds(const Coverage& c, std::uint8_t threshold = 128);

// A picture on a transparent key colour. Painting blends the colour over what
// is there; over the key it blends toward `edge` (the button face the picture
// will sit on) and leaves the faintest edge pixels transparent.
class KeyedPicture {
 public:
  KeyedPicture(int w, int h, gfx::Color key, gfx::Color edge = 0xF0F0F0);
  void Paint(const Coverage& c, gfx::Color color);
  // Gives the area back to the key colour (the halo around a badge).
  void Clear(const Coverage& c);
  [[nodiscard]] gfx::Bitmap& bitmap() { return bmp_; }
  // The finished picture; no painted pixel is left equal to the key.
  [[nodiscard]] gfx::Bitmap Finish() const;

 private:
  gfx::Bitmap bmp_;
  std::vector<bool> painted_;
  gfx::Color key_, edge_;
};

// A picture with its own alpha, for cursors and the application icons.
class AlphaPicture {
 public:
  AlphaPicture(int w, int h);
  void Paint(const Coverage& c, gfx::Color color, double opacity = 1.0);
  [[nodiscard]] gfx::Bitmap image() const;
  [[nodiscard]] std::vector<std::uint8_t> alpha() const;

 private:
  int w_, h_;
  std::vector<double> r_, g_, b_, a_;
};

}  // namespace resources::generator::generator
