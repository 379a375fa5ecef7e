// Raster operations: the 16 binary mixes of pens and brushes (ROP2) and the 256
// ternary operations of blits (ROP3), each as a row loop.
#pragma once

#include <cstdint>

#include "gfx/types.h"

namespace gfx {

// Mix modes as the system numbers them (R2_BLACK = 1 .. R2_WHITE = 16).
enum class Rop2 : int {
  Black = 1,
  NotMergePen = 2,
  MaskNotPen = 3,
  NotCopyPen = 4,
  MaskPenNot = 5,
  Not = 6,
  XorPen = 7,
  NotMaskPen = 8,
  MaskPen = 9,
  NotXorPen = 10,
  Nop = 11,
  MergeNotPen = 12,
  CopyPen = 13,
  MergePenNot = 14,
  MergePen = 15,
  White = 16,
};

// Ternary raster operation codes; only the third byte (the truth table over
// P = 0xF0, S = 0xCC, D = 0xAA) decides the result.
namespace rop3 {
inline constexpr std::uint32_t SrcCopy = 0x00CC0020;
inline constexpr std::uint32_t SrcPaint = 0x00EE0086;
inline constexpr std::uint32_t SrcAnd = 0x008800C6;
inline constexpr std::uint32_t SrcInvert = 0x00660046;
inline constexpr std::uint32_t SrcErase = 0x00440328;
inline constexpr std::uint32_t NotSrcCopy = 0x00330008;
inline constexpr std::uint32_t NotSrcErase = 0x001100A6;
inline constexpr std::uint32_t MergeCopy = 0x00C000CA;
inline constexpr std::uint32_t MergePaint = 0x00BB0226;
inline constexpr std::uint32_t PatCopy = 0x00F00021;
inline constexpr std::uint32_t PatPaint = 0x00FB0A09;
inline constexpr std::uint32_t PatInvert = 0x005A0049;
inline constexpr std::uint32_t DstInvert = 0x00550009;
inline constexpr std::uint32_t Blackness = 0x00000042;
inline constexpr std::uint32_t Whiteness = 0x00FF0062;
// Destination AND (pattern OR NOT source): the translucent spotlight veil.
inline constexpr std::uint32_t DestAndPatOrNotSrc = 0x00A20E09;

[[nodiscard]] constexpr std::uint8_t Index(std::uint32_t rop) { return (rop >> 16) & 0xFF; }
[[nodiscard]] constexpr bool UsesSource(std::uint8_t i) { return ((i >> 2) & 0x33) != (i & 0x33); }
[[nodiscard]] constexpr bool UsesPattern(std::uint8_t i) { return ((i >> 4) & 0x0F) != (i & 0x0F); }
[[nodiscard]] constexpr bool UsesDest(std::uint8_t i) { return ((i >> 1) & 0x55) != (i & 0x55); }
}  // namespace rop3

[[nodiscard]] Pixel ApplyRop2(Rop2 mode, Pixel pen, Pixel dest);
// Applies the mix with one colour over n pixels.
void Rop2Row(Rop2 mode, Pixel* d, int n, Pixel pen);
// Same with an 8-pixel pattern row starting at phase; bits of mask that are 0
// leave their pixels alone (the background of a hatch in transparent mode).
void Rop2PatternRow(Rop2 mode, Pixel* d, int n, const Pixel* pattern8, std::uint8_t mask,
                    int phase);

// Row operands of a blit: s may be null when the operation ignores the source;
// p is one pattern pixel per destination pixel, or null for a solid pattern.
struct Rop3Row {
  Pixel* d;
  const Pixel* s;
  const Pixel* p;
  Pixel solid;
  int n;
};

using Rop3RowFn = void (*)(const Rop3Row&);

// The reference: every operation, minterm by minterm.
void Rop3General(std::uint8_t index, const Rop3Row& row);
// A dedicated loop for the operations the tools use, or null.
[[nodiscard]] Rop3RowFn Rop3FastPath(std::uint8_t index);
// Fast path when there is one, else the general evaluator.
void Rop3Apply(std::uint8_t index, const Rop3Row& row);

}  // namespace gfx
