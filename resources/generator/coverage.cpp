#include "resources/generator/coverage.h"

#include <algorithm>
#include <cmath>

namespace resources::generator {

Coverage Supersample(int w, int h, int factor, const std::function<void(gfx::Canvas&, int)>& draw) {
  gfx::Bitmap big(w * factor, h * factor, 0x000000);
  gfx::Canvas canvas(big);
  draw(canvas, factor);
  Coverage c(w, h);
  const int n = factor * factor;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sum = 0;
      for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i) sum += gfx::GreenOf(big.pixel(x * factor + i, y * factor + j));
      c.Ref(x, y) = static_cast<std::uint8_t>((sum + n / 2) / n);
    }
  return c;
}

Coverage Placed(const Coverage& src, int w, int h, int x, int y) {
  Coverage c(w, h);
  for (int j = 0; j < src.h; ++j)
    for (int i = 0; i < src.w; ++i) {
      int tx = x + i, ty = y + j;
      if (tx >= 0 && ty >= 0 && tx < w && ty < h) c.Ref(tx, ty) = src.at(i, j);
    }
  return c;
}

Coverage Dilate(const Coverage& src, int r) {
  Coverage c(src.w, src.h);
  for (int y = 0; y < src.h; ++y)
    for (int x = 0; x < src.w; ++x) {
      std::uint8_t m = 0;
      for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
          if (i * i + j * j <= r * r + r) m = std::max(m, src.at(x + i, y + j));
      c.Ref(x, y) = m;
    }
  return c;
}

void Unite(Coverage& dst, const Coverage& src) {
  for (std::size_t i = 0; i < dst.a.size() && i < src.a.size(); ++i) dst.a[i] = std::max(dst.a[i], src.a[i]);
}

void Cut(Coverage& dst, const Coverage& src) {
  for (std::size_t i = 0; i < dst.a.size() && i < src.a.size(); ++i)
    dst.a[i] = static_cast<std::uint8_t>(dst.a[i] * (255 - src.a[i]) / 255);
}

void Intersect(Coverage& dst, const Coverage& src) {
  for (std::size_t i = 0; i < dst.a.size(); ++i)
    dst.a[i] = static_cast<std::uint8_t>(dst.a[i] * (i < src.a.size() ? src.a[i] : 0) / 255);
}

gfx::Rect Bounds(const Coverage& c, std::uint8_t threshold) {
  gfx::Rect r{c.w, c.h, 0, 0};
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (c.at(x, y) >= threshold) {
        r.left = std::min(r.left, x);
        r.top = std::min(r.top, y);
        r.right = std::max(r.right, x + 1);
        r.bottom = std::max(r.bottom, y + 1);
      }
  return r.empty() ? gfx::Rect{} : r;
}

namespace {
gfx::Color Mix(gfx::Color over, gfx::Color under, int a) {
  auto ch = [&](int o, int u) { return (o * a + u * (255 - a) + 127) / 255; };
  return gfx::Rgb(ch(gfx::RedOf(over), gfx::RedOf(under)), ch(gfx::GreenOf(over), gfx::GreenOf(under)),
                  ch(gfx::BlueOf(over), gfx::BlueOf(under)));
}
}  // namespace

KeyedPicture::KeyedPicture(int w, int h, gfx::Color key, gfx::Color edge)
    : bmp_(w, h, key), painted_(static_cast<std::size_t>(w) * h, false), key_(key), edge_(edge) {}

void KeyedPicture::Paint(const Coverage& c, gfx::Color color) {
  for (int y = 0; y < bmp_.height() && y < c.h; ++y)
    for (int x = 0; x < bmp_.width() && x < c.w; ++x) {
      int a = c.at(x, y);
      if (a == 0) continue;
      std::size_t i = static_cast<std::size_t>(y) * bmp_.width() + x;
      if (!painted_[i]) {
        // Faint edges over the key would show as a grey fringe on other faces.
        if (a < 72) continue;
        bmp_.setPixel(x, y, Mix(color, edge_, a));
        painted_[i] = true;
      } else {
        bmp_.setPixel(x, y, Mix(color, bmp_.pixel(x, y), a));
      }
    }
}

void KeyedPicture::Clear(const Coverage& c) {
  for (int y = 0; y < bmp_.height() && y < c.h; ++y)
    for (int x = 0; x < bmp_.width() && x < c.w; ++x)
      if (c.at(x, y) >= 96) {
        bmp_.setPixel(x, y, key_);
        painted_[static_cast<std::size_t>(y) * bmp_.width() + x] = false;
      }
}

gfx::Bitmap KeyedPicture::Finish() const {
  gfx::Bitmap out = bmp_;
  const gfx::Color nudge = key_ ^ 0x000001;
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x)
      if (painted_[static_cast<std::size_t>(y) * out.width() + x] && out.pixel(x, y) == key_)
        out.setPixel(x, y, nudge);
  return out;
}

AlphaPicture::AlphaPicture(int w, int h)
    : w_(w), h_(h), r_(static_cast<std::size_t>(w) * h), g_(r_.size()), b_(r_.size()), a_(r_.size()) {}

void AlphaPicture::Paint(const Coverage& c, gfx::Color color, double opacity) {
  const double cr = gfx::RedOf(color), cg = gfx::GreenOf(color), cb = gfx::BlueOf(color);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      double a = c.at(x, y) / 255.0 * opacity;
      if (a <= 0) continue;
      std::size_t i = static_cast<std::size_t>(y) * w_ + x;
      double out = a + a_[i] * (1 - a);
      auto over = [&](double src, double dst) { return (src * a + dst * a_[i] * (1 - a)) / out; };
      r_[i] = over(cr, r_[i]);
      g_[i] = over(cg, g_[i]);
      b_[i] = over(cb, b_[i]);
      a_[i] = out;
    }
}

gfx::Bitmap AlphaPicture::image() const {
  gfx::Bitmap b(w_, h_);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * w_ + x;
      b.setPixel(x, y, gfx::Rgb(static_cast<int>(std::lround(r_[i])), static_cast<int>(std::lround(g_[i])),
                                static_cast<int>(std::lround(b_[i]))));
    }
  return b;
}

std::vector<std::uint8_t> AlphaPicture::alpha() const {
  std::vector<std::uint8_t> out(a_.size());
  for (std::size_t i = 0; i < a_.size(); ++i) out[i] = static_cast<std::uint8_t>(std::lround(a_[i] * 255));
  return out;
}

}  // namespace resources::generator::generator
