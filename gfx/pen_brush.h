// Pens and brushes: what outlines and fills are drawn with.
#pragma once

#include <array>
#include <cstdint>

#include "gfx/types.h"

namespace gfx {

class Bitmap;

// Styled pens (dash, dot, ...) are one pixel wide; a wider styled pen draws solid,
// as on the platform. InsideFrame keeps the outline of a rectangle, ellipse or
// rounded rectangle inside its bounding box.
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
enum class LineCap { Round, Square, Flat };
enum class LineJoin { Round, Bevel };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Color color = 0;
  LineCap cap = LineCap::Round;
  LineJoin join = LineJoin::Round;
};

enum class HatchStyle { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

// An 8 x 8 pattern row is one byte, most significant bit leftmost.
using PatternBits = std::array<std::uint8_t, 8>;

struct Brush {
  enum class Kind { Solid, Clear, Hatch, Pattern };
  Kind kind = Kind::Solid;
  Color color = 0xFFFFFF;
  HatchStyle hatch = HatchStyle::Horizontal;
  // Pattern brushes: 0 bits take the text colour, 1 bits the background colour.
  PatternBits bits{};

  [[nodiscard]] static Brush Solid(Color c) { return {Kind::Solid, c, {}, {}}; }
  [[nodiscard]] static Brush clear() { return {Kind::Clear, 0, {}, {}}; }
  [[nodiscard]] static Brush Hatched(HatchStyle h, Color c) { return {Kind::Hatch, c, h, {}}; }
  [[nodiscard]] static Brush pattern(const PatternBits& b) { return {Kind::Pattern, 0, {}, b}; }
  // From the top-left 8 x 8 pixels of a two-colour picture (repeated if smaller):
  // dark pixels become 0 bits, light ones 1 bits, as a monochrome bitmap reads.
  [[nodiscard]] static Brush PatternFrom(const Bitmap& b);
};

[[nodiscard]] PatternBits HatchBits(HatchStyle h);

}  // namespace gfx
