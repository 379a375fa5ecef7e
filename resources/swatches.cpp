// The 16 x 16 swatches of the colour, width and fill pickers.
#include "resources/resource_lists.h"
#include "gfx/canvas.h"

namespace resources {
namespace {
constexpr gfx::Color kMask = ListMaskColor, kBlack = 0x000000, kWhite = 0xFFFFFF, kMagenta = 0xFF00FF;
}  // namespace

gfx::Bitmap ColorDotSwatchImage(gfx::Color color) {
  gfx::Bitmap b(16, 16, kMask);
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, 1, kBlack});
  c.setBrush(gfx::Brush::Solid(color));
  c.Ellipse(2, 2, 14, 14);
  return b;
}

gfx::Bitmap LineSwatchImage(int width) {
  gfx::Bitmap b(16, 16, kMask);
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, width, kBlack});
  c.MoveTo(0, 8);
  c.LineTo(16, 8);
  return b;
}

gfx::Bitmap PageSwatchImage(gfx::Color color) {
  // A page of the key colour would vanish, so it sits on magenta instead.
  gfx::Bitmap b(16, 16, color == kMask ? kMagenta : kMask);
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, 1, kBlack});
  c.setBrush(gfx::Brush::clear());
  const gfx::Point page[] = {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}, {3, 1}};
  c.Polyline(page);
  const gfx::Point ear[] = {{10, 1}, {10, 4}, {13, 4}};
  c.Polyline(ear);
  // Black ink on a black outline would leave no page to see: it is white.
  c.setBrush(gfx::Brush::Solid(color == kBlack ? kWhite : color));
  c.FloodFill(7, 9, kBlack, gfx::FloodMode::Border);
  return b;
}

}  // namespace resources
