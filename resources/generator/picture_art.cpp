#include "resources/generator/picture_art.h"

#include <cmath>

#include "resources/generator/autoshape_art.h"
#include "resources/generator/coverage.h"

namespace resources::generator {
namespace {

constexpr gfx::Color White = 0xFFFFFF, Black = 0x000000;

// Brushes are two-colour 8 x 8 pictures: dark pixels take the text colour.
gfx::Bitmap Pattern(const char* rows[8]) {
  gfx::Bitmap b(8, 8, White);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (rows[y][x] == '#') b.setPixel(x, y, Black);
  return b;
}

// A placeholder: a glyph in the middle of a soft background with a frame.
gfx::Bitmap Placeholder(int w, int h, std::string_view glyph, gfx::Color back, gfx::Color ink,
                        const ArtContext& ctx) {
  gfx::Bitmap out(w, h, back);
  gfx::Canvas c(out);
  c.FrameRect({0, 0, w, h}, gfx::Brush::Solid(gfx::Rgb(176, 190, 197)));
  const int grid = std::min(w, h) * 3 / 4;
  Coverage g = Placed(ctx.glyphs.Render(glyph, grid), w, h, (w - grid) / 2, (h - grid) / 2);
  // Opaque pictures: every edge pixel blends with the background.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int a = g.at(x, y);
      if (!a) continue;
      gfx::Color u = out.pixel(x, y);
      auto ch = [&](int o, int d) { return (o * a + d * (255 - a) + 127) / 255; };
      out.setPixel(x, y, gfx::Rgb(ch(gfx::RedOf(ink), gfx::RedOf(u)), ch(gfx::GreenOf(ink), gfx::GreenOf(u)),
                                  ch(gfx::BlueOf(ink), gfx::BlueOf(u))));
    }
  return out;
}

gfx::Bitmap SampleArrows(const ArtContext& ctx) {
  const int s = 180;
  gfx::Bitmap b(s, s);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      double t = (x + y) / double(2 * s);
      b.setPixel(x, y, gfx::Rgb(static_cast<int>(232 - 40 * t), static_cast<int>(240 - 30 * t), 250));
    }
  const char* glyphs[8] = {"arrow-up-bold", "arrow-top-right", "arrow-right-bold", "arrow-bottom-right",
                           "arrow-down-bold", "arrow-bottom-left", "arrow-left-bold", "arrow-top-left"};
  const gfx::Color colors[4] = {gfx::Rgb(229, 57, 53), gfx::Rgb(30, 136, 229), gfx::Rgb(67, 160, 71),
                                gfx::Rgb(251, 140, 0)};
  for (int i = 0; i < 8; ++i) {
    const double a = (i * 45 - 90) * 3.14159265358979 / 180;
    const int grid = 56, cx = static_cast<int>(90 + 60 * std::cos(a)), cy = static_cast<int>(90 + 60 * std::sin(a));
    Coverage g = Placed(ctx.glyphs.Render(glyphs[i], grid), s, s, cx - grid / 2, cy - grid / 2);
    const gfx::Color ink = colors[i % 4];
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) {
        int v = g.at(x, y);
        if (!v) continue;
        gfx::Color u = b.pixel(x, y);
        auto ch = [&](int o, int d) { return (o * v + d * (255 - v) + 127) / 255; };
        b.setPixel(x, y, gfx::Rgb(ch(gfx::RedOf(ink), gfx::RedOf(u)), ch(gfx::GreenOf(ink), gfx::GreenOf(u)),
                                  ch(gfx::BlueOf(ink), gfx::BlueOf(u))));
      }
  }
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, 2, gfx::Rgb(55, 71, 79)});
  c.setBrush(gfx::Brush::Solid(White));
  c.Ellipse(78, 78, 103, 103);
  return b;
}

}  // namespace

gfx::Bitmap PaintPicture(std::string_view name, const ArtContext& ctx) {
  if (name == "bm_Autoshapes") return PaintAutoshapeSheet(ctx);
  if (name == "bm_CustomButton") {
    KeyedPicture pic(26, 26, Key);
    Coverage frame = Supersample(26, 26, 4, [](gfx::Canvas& c, int f) {
      c.setPen({gfx::PenStyle::Clear});
      c.setBrush(gfx::Brush::Solid(White));
      c.RoundRect(2 * f, 2 * f, 24 * f, 24 * f, 8 * f, 8 * f);
    });
    Coverage inner = Supersample(26, 26, 4, [](gfx::Canvas& c, int f) {
      c.setPen({gfx::PenStyle::Clear});
      c.setBrush(gfx::Brush::Solid(White));
      c.RoundRect(4 * f, 4 * f, 22 * f, 22 * f, 5 * f, 5 * f);
    });
    pic.Paint(frame, gfx::Rgb(84, 110, 122));
    pic.Paint(inner, gfx::Rgb(250, 250, 250));
    pic.Paint(Placed(ctx.glyphs.Render("plus", 18), 26, 26, 4, 4), gfx::Rgb(84, 110, 122));
    return pic.Finish();
  }
  if (name == "bm_Question1")
    return Placeholder(320, 240, "help-circle", gfx::Rgb(236, 239, 241), gfx::Rgb(120, 144, 156), ctx);
  if (name == "bm_Question2")
    return Placeholder(320, 240, "image-broken-variant", gfx::Rgb(236, 239, 241), gfx::Rgb(120, 144, 156), ctx);
  if (name == "bm_Thumbnail_Missing")
    return Placeholder(80, 60, "image-broken", gfx::Rgb(245, 245, 245), gfx::Rgb(144, 164, 174), ctx);
  if (name == "Br_Pattern") {
    const char* rows[8] = {"##....##", "###....#", "####....", ".####...",
                           "..####..", "...####.", "....####", "#....###"};
    return Pattern(rows);
  }
  if (name == "Br_Shade") {
    const char* rows[8] = {"#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#",
                           "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#"};
    return Pattern(rows);
  }
  if (name == "Br_Shade2") {
    const char* rows[8] = {"#...#...", "........", "..#...#.", "........",
                           "#...#...", "........", "..#...#.", "........"};
    return Pattern(rows);
  }
  if (name == "Br_Shade3") {
    const char* rows[8] = {"###.###.", "#.###.##", "###.###.", ".###.###",
                           "###.###.", "#.###.##", "###.###.", ".###.###"};
    return Pattern(rows);
  }
  if (name == "sample_arrows_180x180") return SampleArrows(ctx);
  return {};
}

}  // namespace resources::generator::generator
