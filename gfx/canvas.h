// Canvas: drawing on a Bitmap with the device-context semantics the tools rely
// on (mix modes, pens, brushes, raster operations, clip regions, text).
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/pen_brush.h"
#include "gfx/region.h"
#include "gfx/rop.h"

namespace gfx {

enum class BackgroundMode { Transparent = 1, Opaque = 2 };
// Nearest keeps every colour of the source (colour keys stay intact); Smooth
// filters (bilinear when enlarging, area average when reducing).
enum class StretchMode { Nearest, Smooth };
// Border: fill up to pixels of the colour. Surface: fill the area of the colour.
enum class FloodMode { Border, Surface };

// Everything a tool sets on a canvas; saved and restored as one value.
struct CanvasState {
  Pen pen;
  Brush brush = Brush::Solid(0xFFFFFF);
  Font font;
  Color textColor = 0x000000;
  Color backgroundColor = 0xFFFFFF;
  BackgroundMode backgroundMode = BackgroundMode::Opaque;
  Rop2 rop2 = Rop2::CopyPen;
  FillMode polygonFillMode = FillMode::Alternate;
  StretchMode stretchMode = StretchMode::Nearest;
  Point brushOrigin;
  Point position;
  std::optional<Region> clip;
  std::shared_ptr<const FontFace> face;
};

class Canvas {
 public:
  // fonts may be null: text operations then draw nothing and measure zero.
  explicit Canvas(Bitmap& target, FontService* fonts = nullptr);

  [[nodiscard]] Bitmap& bitmap() { return *target_; }
  [[nodiscard]] const CanvasState& state() const { return s_; }
  void Restore(const CanvasState& saved) { s_ = saved; }

  void setPen(const Pen& p) { s_.pen = p; }
  [[nodiscard]] const Pen& pen() const { return s_.pen; }
  void setBrush(const Brush& b) { s_.brush = b; }
  [[nodiscard]] const Brush& brush() const { return s_.brush; }
  // Also takes the font's colour as the text colour.
  void setFont(const Font& f);
  [[nodiscard]] const Font& font() const { return s_.font; }
  void setTextColor(Color c) { s_.textColor = c; }
  void setBackgroundColor(Color c) { s_.backgroundColor = c; }
  void setBackgroundMode(BackgroundMode m) { s_.backgroundMode = m; }
  void setRop2(Rop2 m) { s_.rop2 = m; }
  void setPolygonFillMode(FillMode m) { s_.polygonFillMode = m; }
  void setStretchMode(StretchMode m) { s_.stretchMode = m; }
  void setBrushOrigin(Point p) { s_.brushOrigin = p; }

  // The clip is in bitmap coordinates; without one the bitmap itself is the limit.
  void setClip(const Region& r) { s_.clip = r; }
  void ClearClip() { s_.clip.reset(); }
  [[nodiscard]] const std::optional<Region>& clip() const { return s_.clip; }
  // Bitmap bounds, narrowed to the clip's bounding box.
  [[nodiscard]] Rect clipBox() const;

  [[nodiscard]] Color pixel(int x, int y) const { return target_->pixel(x, y); }
  void setPixel(int x, int y, Color c);

  // Lines: the pen at the current position; the last pixel is left out.
  void MoveTo(int x, int y) { s_.position = {x, y}; }
  [[nodiscard]] Point position() const { return s_.position; }
  void LineTo(int x, int y);
  void Polyline(std::span<const Point> pts);

  // Shapes: outline with the pen, inside with the brush, both through the mix mode.
  void Rectangle(int l, int t, int r, int b);
  void RoundRect(int l, int t, int r, int b, int cornerWidth, int cornerHeight);
  void Ellipse(int l, int t, int r, int b);
  void Polygon(std::span<const Point> pts);
  // Brush-only operations, plain copies whatever the mix mode.
  void FillRect(const Rect& r, const Brush& b);
  void FrameRect(const Rect& r, const Brush& b);
  void FillRegion(const Region& region, const Brush& b);
  // Inverts every other pixel of the border; drawing it twice removes it.
  void DrawFocusRect(const Rect& r);
  // Fills with the current brush from (x, y); false if the start is outside the
  // clip or, in Border mode, already of the border colour.
  bool FloodFill(int x, int y, Color c, FloodMode mode = FloodMode::Border);

  // Blits. rop is a ternary raster operation (rop3::k...); the pattern is the
  // current brush. src may be this canvas's own bitmap; overlaps are handled.
  bool PatBlt(int x, int y, int w, int h, std::uint32_t rop);
  bool BitBlt(int x, int y, int w, int h, const Bitmap* src, int sx, int sy, std::uint32_t rop);
  bool Draw(int x, int y, const Bitmap& src) {
    return BitBlt(x, y, src.width(), src.height(), &src, 0, 0, rop3::SrcCopy);
  }
  // Negative widths or heights mirror, as on the platform.
  bool StretchBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw, int sh,
                  std::uint32_t rop = rop3::SrcCopy);
  // Stretched copy (nearest) leaving out the source pixels of colour key.
  bool TransparentBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw,
                      int sh, Color key);
  // Whole copies of src from the top-left of dest, cut at its right and bottom.
  void Tile(const Rect& dest, const Bitmap& src);

  // Text in the current font at the top-left of its cell; in Opaque mode the
  // cell is first filled with the background colour. Not affected by the mix mode.
  void TextOut(int x, int y, std::string_view utf8);
  [[nodiscard]] Size TextExtent(std::string_view utf8) const;
  [[nodiscard]] FontMetrics fontMetrics() const;
  [[nodiscard]] AbcWidth abcWidth(char32_t ch) const;

 private:
  friend struct CanvasPainter;

  Bitmap* target_;
  FontService* fonts_;
  CanvasState s_;
};

}  // namespace gfx
