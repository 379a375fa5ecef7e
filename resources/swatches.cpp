// The 16 x 16 swatches of the colour, width and fill pickers.
#include "resources/resource_lists.h"
#include "gfx/canvas.h"

namespace resources {
namespace {
constexpr gfx::Color Mask = ListMaskColor, Black = 0x000000, White = 0xFFFFFF, Magenta = 0xFF00FF;
}  // namespace

gfx::Bitmap ColorDotSwatchImage(gfx::Color color) {
  gfx::Bitmap b(16, 16, Mask);
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, 1, Black});
  c.setBrush(gfx::Brush::Solid(color));
  c.Ellipse(2, 2, 14, 14);
  return b;
}

gfx::Bitmap LineSwatchImage(int width) {
  gfx::Bitmap b(16, 16, Mask);
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, width, Black});
  c.MoveTo(0, 8);
  c.LineTo(16, 8);
  return b;
}

gfx::Bitmap PageSwatchImage(gfx::Color color) {
  // A page of the key colour would vanish, so it sits on magenta instead.
  gfx::Bitmap b(16, 16, color == Mask ? Magenta : Mask);
  gfx::Canvas c(b);
  c.setPen({gfx::PenStyle::Solid, 1, Black});
  c.setBrush(gfx::Brush::clear());
  const gfx::Point page[] = {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}, {3, 1}};
  c.Polyline(page);
  const gfx::Point ear[] = {{10, 1}, {10, 4}, {13, 4}};
  c.Polyline(ear);
  // Black ink on a black outline would leave no page to see: it is white.
  c.setBrush(gfx::Brush::Solid(color == Black ? White : color));
  c.FloodFill(7, 9, Black, gfx::FloodMode::Border);
  return b;
}

}  // namespace resources
