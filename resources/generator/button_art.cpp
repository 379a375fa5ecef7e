#include "resources/generator/button_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace resources::generator {
namespace {

using resources::generator::Art;
using resources::generator::Drawing;
using resources::generator::Tint;
using resources::generator::TintColor;

constexpr int Factor = 4;  // supersampling of our drawings

// Everything is laid out on the 26-pixel design and scaled.
struct Scale {
  int size;
  double u;
  int Px(double v) const { return static_cast<int>(std::lround(v * u * Factor)); }
};

Coverage Glyph(const ArtContext& ctx, std::string_view name, int size) {
  // The 24-unit grid lands on whole pixels: 24 in 26, 48 in 52.
  const int unit = size / 26 > 0 ? size / 26 : 1;
  return Placed(ctx.glyphs.Render(name, 24 * unit), size, size, unit, unit);
}

void AddBadge(KeyedPicture& pic, const ArtContext& ctx, std::string_view badge, Tint tint, int size) {
  const int unit = std::max(1, size / 26);
  const int grid = 14 * unit;
  Coverage b = Placed(ctx.glyphs.Render(badge, grid), size, size, size - grid + unit, size - grid + unit);
  pic.Clear(Dilate(b, unit));
  pic.Paint(b, TintColor(tint));
}

Coverage RoundBox(const Scale& s, double l, double t, double r, double b, double radius) {
  return Supersample(s.size, s.size, Factor, [&](gfx::Canvas& c, int) {
    c.setPen({gfx::PenStyle::Clear});
    c.setBrush(gfx::Brush::Solid(0xFFFFFF));
    c.RoundRect(s.Px(l), s.Px(t), s.Px(r) + 1, s.Px(b) + 1, s.Px(radius * 2), s.Px(radius * 2));
  });
}

Coverage Ring(const Coverage& outer, const Coverage& inner) {
  Coverage ring = outer;
  Cut(ring, inner);
  return ring;
}

void PaintMouse(KeyedPicture& pic, const Art& art, const Scale& s, const ArtContext& ctx) {
  const Coverage body = RoundBox(s, 6.5, 2, 19.5, 24, 6.5);
  const Coverage inside = RoundBox(s, 8, 3.5, 18, 22.5, 5);
  Coverage top = Supersample(s.size, s.size, Factor, [&](gfx::Canvas& c, int) {
    c.FillRect({0, 0, s.Px(26), s.Px(10.5)}, gfx::Brush::Solid(0xFFFFFF));
  });
  Intersect(top, inside);
  auto half = [&](double l, double r) {
    Coverage h = Supersample(s.size, s.size, Factor, [&](gfx::Canvas& c, int) {
      c.FillRect({s.Px(l), 0, s.Px(r), s.Px(26)}, gfx::Brush::Solid(0xFFFFFF));
    });
    Intersect(h, top);
    return h;
  };
  const gfx::Color tint = TintColor(art.tint), lit = TintColor(Tint::Alert);
  pic.Paint(body, tint);
  pic.Paint(inside, 0xFAFAFA);
  if (art.param & 1) pic.Paint(half(0, 12.5), lit);
  if (art.param & 4) pic.Paint(half(13.5, 26), lit);
  // The divider between the buttons and the line under them.
  pic.Paint(Supersample(s.size, s.size, Factor, [&](gfx::Canvas& c, int) {
              c.FillRect({s.Px(12.5), s.Px(3), s.Px(13.5), s.Px(10.5)}, gfx::Brush::Solid(0xFFFFFF));
              c.FillRect({s.Px(7), s.Px(10.5), s.Px(19), s.Px(11.5)}, gfx::Brush::Solid(0xFFFFFF));
            }),
            tint);
  const Coverage wheel = RoundBox(s, 11.5, 4.5, 14.5, 9.5, 1.5);
  pic.Paint(wheel, (art.param & 2) ? lit : tint);
  if (!art.badge.empty())
    AddBadge(pic, ctx, art.badge, art.badgeTint, s.size);
  else if (art.param & 8)
    AddBadge(pic, ctx, "numeric-2-box", Tint::Dark, s.size);
}

void PaintKeycap(KeyedPicture& pic, const Art& art, const Scale& s, const ArtContext& ctx) {
  const gfx::Color tint = TintColor(art.tint);
  const Coverage outer = RoundBox(s, 1.5, 3, 24.5, 23.5, 3.5);
  const Coverage inner = RoundBox(s, 3, 4.5, 23, 20.5, 2.5);
  pic.Paint(outer, tint);
  pic.Paint(inner, 0xFBFBFB);
  Coverage label;
  if (!art.text.empty()) {
    // The largest size whose text still fits the key top.
    for (int px = static_cast<int>(11 * s.u); px > 5; --px) {
      label = ctx.text.Render(art.text, px);
      if (label.w <= static_cast<int>(17 * s.u)) break;
    }
  } else {
    label = ctx.glyphs.Render(art.glyph, static_cast<int>(16 * s.u));
    const gfx::Rect r = Bounds(label, 1);
    Coverage cut(r.width(), r.height());
    for (int y = 0; y < cut.h; ++y)
      for (int x = 0; x < cut.w; ++x) cut.Ref(x, y) = label.at(r.left + x, r.top + y);
    label = cut;
  }
  const int cx = static_cast<int>(std::lround(13 * s.u)), cy = static_cast<int>(std::lround(12.5 * s.u));
  pic.Paint(Placed(label, s.size, s.size, cx - label.w / 2, cy - label.h / 2), tint);
}

// The keystroke tool writes its label on this key and fills or clears the
// four modifier boxes, so they are plain pixels at the places it expects.
void PaintCustomKeystroke(KeyedPicture& pic, const Art& art, const Scale& s) {
  const gfx::Color tint = TintColor(art.tint);
  const Coverage outer = RoundBox(s, 1, 9, 25, 25.5, 3);
  const Coverage inner = RoundBox(s, 2.5, 10.5, 23.5, 24, 2);
  pic.Paint(outer, tint);
  pic.Paint(inner, 0xFBFBFB);
  gfx::Bitmap& b = pic.bitmap();
  const int boxes[4][2] = {{1, 6}, {7, 12}, {13, 18}, {19, 25}};
  gfx::Canvas c(b);
  for (const auto& box : boxes) {
    c.FillRect({box[0], 0, box[1] + 1, 8}, gfx::Brush::Solid(0x9E9E9E));
    c.FrameRect({box[0], 0, box[1] + 1, 8}, gfx::Brush::Solid(0xC0C0C0));
  }
}

void PaintScreenFill(KeyedPicture& pic, const Art& art, const Scale& s, const ArtContext& ctx) {
  pic.Paint(Glyph(ctx, "monitor", s.size), TintColor(art.tint));
  const int unit = std::max(1, s.size / 26);
  Coverage screen(s.size, s.size);
  for (int y = unit * 5; y < unit * 17; ++y)
    for (int x = unit * 4; x < unit * 22; ++x) screen.Ref(x, y) = 255;
  pic.Paint(screen, art.param);
}

std::vector<gfx::Point> GesturePath(std::string_view path) {
  std::vector<gfx::Point> pts{{0, 0}};
  auto step = [&](int dx, int dy) { pts.push_back({pts.back().x + dx, pts.back().y + dy}); };
  if (path == "Z") {
    step(1, 0);
    step(-1, 1);
    step(1, 0);
    return pts;
  }
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '[') {  // one diagonal stroke: [DL] and the like
      int dy = path[i + 1] == 'D' ? 1 : -1, dx = path[i + 2] == 'R' ? 1 : -1;
      step(dx, dy);
      i += 3;
      continue;
    }
    switch (path[i]) {
      case 'U': step(0, -1); break;
      case 'D': step(0, 1); break;
      case 'L': step(-1, 0); break;
      case 'R': step(1, 0); break;
    }
  }
  return pts;
}

void PaintGesture(KeyedPicture& pic, const Art& art, const Scale& s) {
  std::vector<gfx::Point> grid = GesturePath(art.text);
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (auto p : grid) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  // Fit the path into the box 5..21, centred on the axis it does not use.
  auto map = [&](int v, int lo, int hi) {
    return hi == lo ? 13.0 : 5.0 + 16.0 * (v - lo) / (hi - lo);
  };
  std::vector<std::pair<double, double>> pts;
  for (auto p : grid) pts.push_back({map(p.x, minX, maxX), map(p.y, minY, maxY)});
  const auto [ex, ey] = pts.back();
  const auto [px, py] = pts[pts.size() - 2];
  const double len = std::hypot(ex - px, ey - py), dx = (ex - px) / len, dy = (ey - py) / len;
  const double head = 7.5, halfWidth = 5;
  // The line stops inside the arrowhead so its round cap does not show.
  pts.back() = {ex - dx * head * 0.6, ey - dy * head * 0.6};
  const gfx::Color tint = TintColor(art.tint);
  pic.Paint(Supersample(s.size, s.size, Factor,
                        [&](gfx::Canvas& c, int) {
                          c.setPen({gfx::PenStyle::Solid, s.Px(2.6), 0xFFFFFF});
                          std::vector<gfx::Point> line;
                          for (auto [x, y] : pts) line.push_back({s.Px(x), s.Px(y)});
                          c.Polyline(line);
                          c.setPen({gfx::PenStyle::Clear});
                          c.setBrush(gfx::Brush::Solid(0xFFFFFF));
                          gfx::Point tri[3] = {{s.Px(ex + dx), s.Px(ey + dy)},
                                               {s.Px(ex - dx * head - dy * halfWidth), s.Px(ey - dy * head + dx * halfWidth)},
                                               {s.Px(ex - dx * head + dy * halfWidth), s.Px(ey - dy * head - dx * halfWidth)}};
                          c.Polygon(tri);
                        }),
            tint);
  const auto [sx, sy] = pts.front();
  pic.Paint(Supersample(s.size, s.size, Factor,
                        [&](gfx::Canvas& c, int) {
                          c.setPen({gfx::PenStyle::Clear});
                          c.setBrush(gfx::Brush::Solid(0xFFFFFF));
                          c.Ellipse(s.Px(sx - 3), s.Px(sy - 3), s.Px(sx + 3), s.Px(sy + 3));
                        }),
            TintColor(Tint::Alert));
}

void PaintHotspot(KeyedPicture& pic, const Art& art, const Scale& s) {
  const Coverage frame = RoundBox(s, 2, 4, 24, 22, 2);
  const Coverage screen = RoundBox(s, 3.5, 5.5, 22.5, 20.5, 1);
  pic.Paint(Ring(frame, screen), TintColor(Tint::Dark));
  pic.Paint(screen, 0xFFFFFF);
  const std::string_view z = art.text;
  Coverage lit = Supersample(s.size, s.size, Factor, [&](gfx::Canvas& c, int) {
    c.setPen({gfx::PenStyle::Clear});
    c.setBrush(gfx::Brush::Solid(0xFFFFFF));
    const double l = 3.5, t = 5.5, r = 22.5, b = 20.5, band = 3.5, corner = 8;
    if (z == "T") c.Rectangle(s.Px(l), s.Px(t), s.Px(r), s.Px(t + band));
    if (z == "B") c.Rectangle(s.Px(l), s.Px(b - band), s.Px(r), s.Px(b));
    if (z == "L") c.Rectangle(s.Px(l), s.Px(t), s.Px(l + band), s.Px(b));
    if (z == "R") c.Rectangle(s.Px(r - band), s.Px(t), s.Px(r), s.Px(b));
    if (z.size() == 2) {
      const double x = z[1] == 'L' ? l : r, y = z[0] == 'T' ? t : b;
      const double ix = z[1] == 'L' ? corner : -corner, iy = z[0] == 'T' ? corner : -corner;
      gfx::Point tri[3] = {{s.Px(x), s.Px(y)}, {s.Px(x + ix), s.Px(y)}, {s.Px(x), s.Px(y + iy)}};
      c.Polygon(tri);
    }
  });
  pic.Paint(lit, TintColor(Tint::Alert));
  // The stand of the screen.
  pic.Paint(Supersample(s.size, s.size, Factor, [&](gfx::Canvas& c, int) {
              c.FillRect({s.Px(10), s.Px(22), s.Px(16), s.Px(24.5)}, gfx::Brush::Solid(0xFFFFFF));
            }),
            TintColor(Tint::Dark));
}

}  // namespace

Coverage LaserDot(int size, Coverage* glow) {
  const double c = size / 2.0, u = size / 26.0;
  auto disc = [&](double r) {
    return Supersample(size, size, Factor, [&](gfx::Canvas& cv, int f) {
      cv.setPen({gfx::PenStyle::Clear});
      cv.setBrush(gfx::Brush::Solid(0xFFFFFF));
      auto p = [&](double v) { return static_cast<int>(std::lround(v * f)); };
      cv.Ellipse(p(c - r * u), p(c - r * u), p(c + r * u), p(c + r * u));
    });
  };
  if (glow) *glow = disc(10.5);
  return disc(5.5);
}

gfx::Bitmap PaintIcon(const Art& art, int size, const ArtContext& ctx) {
  KeyedPicture pic(size, size, Key);
  const Scale s{size, size / 26.0};
  switch (art.drawing) {
    case Drawing::Glyph:
      if (!art.glyph.empty()) pic.Paint(Glyph(ctx, art.glyph, size), TintColor(art.tint));
      if (!art.badge.empty()) AddBadge(pic, ctx, art.badge, art.badgeTint, size);
      break;
    case Drawing::MouseButtons: PaintMouse(pic, art, s, ctx); break;
    case Drawing::Keycap: PaintKeycap(pic, art, s, ctx); break;
    case Drawing::CustomKeystroke: PaintCustomKeystroke(pic, art, s); break;
    case Drawing::ScreenFill: PaintScreenFill(pic, art, s, ctx); break;
    case Drawing::LaserDot: {
      Coverage glow;
      Coverage core = LaserDot(size, &glow);
      pic.Paint(glow, 0x8A8AFF);
      pic.Paint(core, 0x3017FF);
      Coverage shine = Placed(LaserDot(size / 3, nullptr), size, size, size / 2 - size / 6 - size / 14,
                              size / 2 - size / 6 - size / 14);
      pic.Paint(shine, 0xD0D0FF);
      break;
    }
    case Drawing::Gesture: PaintGesture(pic, art, s); break;
    case Drawing::Hotspot: PaintHotspot(pic, art, s); break;
    case Drawing::UsFlag: break;
  }
  return pic.Finish();
}

}  // namespace resources::generator::generator
