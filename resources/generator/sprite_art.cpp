#include "resources/generator/sprite_art.h"

#include <algorithm>
#include <cmath>

#include "resources/generator/button_art.h"

namespace resources::generator {
namespace {

using resources::generator::Anchor;
using resources::generator::CursorArt;
using resources::generator::Drawing;
using resources::generator::Sprite;

constexpr gfx::Color White = 0xFFFFFF, Black = 0x000000;

int Luma(gfx::Color c) { return (gfx::RedOf(c) * 30 + gfx::GreenOf(c) * 59 + gfx::BlueOf(c) * 11) / 100; }

Coverage Filled(int w, int h, const gfx::Rect& r) {
  Coverage c(w, h);
  for (int y = std::max(0, r.top); y < std::min(h, r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(w, r.right); ++x) c.Ref(x, y) = 255;
  return c;
}

gfx::Bitmap PaintFlag() {
  KeyedPicture pic(PointerSize, PointerSize, Key, White);
  const gfx::Rect flag{2, 7, 30, 25};
  pic.Paint(Dilate(Filled(32, 32, flag), 1), White);
  for (int i = 0; i < 9; ++i)
    pic.Paint(Filled(32, 32, {flag.left, flag.top + i * 2, flag.right, flag.top + i * 2 + 2}),
              i % 2 ? White : gfx::Rgb(198, 40, 40));
  pic.Paint(Filled(32, 32, {flag.left, flag.top, flag.left + 13, flag.top + 10}), gfx::Rgb(40, 53, 147));
  Coverage stars(32, 32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) stars.Ref(flag.left + 1 + x * 2 + (y % 2), flag.top + 1 + y * 2) = 255;
  pic.Paint(stars, White);
  return pic.Finish();
}

gfx::Point Hotspot(const Coverage& c, Anchor a) {
  const gfx::Rect b = Bounds(c);
  if (b.empty()) return {0, 0};
  auto nearest = [&](double tx, double ty) {
    gfx::Point best{b.left, b.top};
    double bestD = 1e9;
    for (int y = b.top; y < b.bottom; ++y)
      for (int x = b.left; x < b.right; ++x)
        if (c.at(x, y) >= 128) {
          double d = (x - tx) * (x - tx) + (y - ty) * (y - ty);
          if (d < bestD) bestD = d, best = {x, y};
        }
    return best;
  };
  switch (a) {
    case Anchor::TopLeft: return nearest(b.left, b.top);
    case Anchor::BottomLeft: return nearest(b.left, b.bottom - 1);
    case Anchor::Top: return nearest((b.left + b.right) / 2.0, b.top);
    case Anchor::Right: return nearest(b.right - 1, b.top + (b.bottom - b.top) * 0.3);
    case Anchor::Center:
    case Anchor::Lens: break;
  }
  return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
}

Coverage Disc(int size, double cx, double cy, double r) {
  return Supersample(size, size, 4, [&](gfx::Canvas& c, int f) {
    c.setPen({gfx::PenStyle::Clear});
    c.setBrush(gfx::Brush::Solid(White));
    auto p = [&](double v) { return static_cast<int>(std::lround(v * f)); };
    c.Ellipse(p(cx - r), p(cy - r), p(cx + r), p(cy + r));
  });
}

// A thin crosshair at (9, 9) and the shape that will be drawn beside it.
Coverage CrosshairShape(std::string_view shape, bool filled) {
  Coverage c = Filled(CursorSize, CursorSize, {2, 9, 17, 10});
  Unite(c, Filled(CursorSize, CursorSize, {9, 2, 10, 17}));
  Unite(c, Supersample(CursorSize, CursorSize, 4, [&](gfx::Canvas& cv, int f) {
          cv.setPen({gfx::PenStyle::InsideFrame, f * 3 / 2, White});
          cv.setBrush(filled ? gfx::Brush::Solid(White) : gfx::Brush::clear());
          if (shape == "rect") cv.Rectangle(14 * f, 15 * f, 29 * f, 27 * f);
          if (shape == "ellipse") cv.Ellipse(14 * f, 15 * f, 30 * f, 28 * f);
          if (shape == "line") {
            cv.setPen({gfx::PenStyle::Solid, f * (filled ? 3 : 2), White});
            cv.MoveTo(15 * f, 27 * f);
            cv.LineTo(29 * f, 15 * f);
          }
        }));
  return c;
}

}  // namespace

gfx::Bitmap PaintPointer(const Sprite& sprite, const ArtContext& ctx) {
  if (sprite.drawing == Drawing::UsFlag) return PaintFlag();
  KeyedPicture pic(PointerSize, PointerSize, Key, White);
  Coverage shape;
  if (sprite.drawing == Drawing::LaserDot) {
    Coverage glow;
    Coverage core = LaserDot(PointerSize, &glow);
    pic.Paint(glow, gfx::Rgb(255, 138, 128));
    pic.Paint(core, sprite.color);
    pic.Paint(Disc(PointerSize, 14, 14, 2), gfx::Rgb(255, 220, 220));
    return pic.Finish();
  }
  shape = Placed(ctx.glyphs.Render(sprite.glyph, 30), PointerSize, PointerSize, 1, 1);
  // A white rim keeps the picture visible on dark slides.
  pic.Paint(Dilate(shape, 1), White);
  pic.Paint(shape, sprite.color);
  return pic.Finish();
}

gfx::codecs::IconFrame PaintCursor(const CursorArt& art, gfx::Color color, const ArtContext& ctx) {
  AlphaPicture pic(CursorSize, CursorSize);
  gfx::codecs::IconFrame frame;
  if (art.glyph.empty()) {  // the invisible cursor
    frame.image = pic.image();
    frame.alpha = pic.alpha();
    return frame;
  }
  Coverage shape;
  gfx::Point hot;
  if (!art.shape.empty()) {
    shape = CrosshairShape(art.shape, art.down);
    hot = {9, 9};
  } else {
    // Pens lean toward the bottom-left corner, where their tip is the hotspot.
    const bool low = art.hotspot == Anchor::BottomLeft;
    shape = Placed(ctx.glyphs.Render(art.glyph, 24), CursorSize, CursorSize, low ? 1 : 4, low ? 7 : 4);
    hot = art.hotspot == Anchor::Lens ? gfx::Point{4 + 9, 4 + 9} : Hotspot(shape, art.hotspot);
    if (art.down) Unite(shape, Disc(CursorSize, hot.x + 0.5, hot.y + 0.5, 2.6));
  }
  const gfx::Color rim = Luma(color) > 140 ? Black : White;
  pic.Paint(Dilate(shape, 1), rim);
  pic.Paint(shape, color);
  frame.image = pic.image();
  frame.alpha = pic.alpha();
  frame.hotspot = {hot.x, hot.y};
  return frame;
}

std::vector<gfx::codecs::IconFrame> PaintAppIcon(bool enabled, const ArtContext& ctx) {
  std::vector<gfx::codecs::IconFrame> frames;
  for (int size : {16, 24, 32, 48, 64}) {
    AlphaPicture pic(size, size);
    const Coverage tile = Supersample(size, size, 4, [&](gfx::Canvas& c, int f) {
      c.setPen({gfx::PenStyle::Clear});
      c.setBrush(gfx::Brush::Solid(White));
      const int r = std::max(2, size * 22 / 100) * f * 2;
      c.RoundRect(0, 0, size * f + 1, size * f + 1, r, r);
    });
    // A vertical gradient: one row of the tile at a time.
    for (int y = 0; y < size; ++y) {
      Coverage row(size, size);
      for (int x = 0; x < size; ++x) row.Ref(x, y) = tile.at(x, y);
      const double t = size > 1 ? y / double(size - 1) : 0;
      auto lerp = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
      const gfx::Color c = enabled ? gfx::Rgb(lerp(121, 48), lerp(134, 63), lerp(203, 159))
                                   : gfx::Rgb(lerp(189, 117), lerp(189, 117), lerp(189, 117));
      pic.Paint(row, c);
    }
    const int grid = size * 3 / 4;
    const int at = (size - grid) / 2;
    const Coverage glyph = Placed(ctx.glyphs.Render("presentation-play", grid), size, size, at, at);
    pic.Paint(glyph, enabled ? White : gfx::Rgb(238, 238, 238));
    frames.push_back({pic.image(), pic.alpha(), {}});
  }
  return frames;
}

}  // namespace resources::generator::generator
