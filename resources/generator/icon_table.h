// What every picture of the resources shows: for each resource name a glyph of
// the icon font (by its name in the font's own list) or one of our drawings,
// and the colour of its family, so that the whole set reads as one product.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace resources::generator {

// Families of button icons share one colour.
enum class Tint {
  Screen,      // tools that draw over the screen
  Time,        // clocks and timers
  Windows,     // keystrokes and window commands for other programs
  Browser,
  MediaCenter,
  Media,       // sound, movies, volume
  Powerpoint,
  Input,       // mouse, keyboard, events
  General,     // profiles, programs, the application itself
  Help,
  Alert,       // stop, record, quit, the accents of badges
  Dark,
  None,
};

std::uint32_t TintColor(Tint t);  // 0x00BBGGRR

// Our own drawings, where no glyph says it.
enum class Drawing {
  Glyph,            // only the glyph (and badge)
  MouseButtons,     // a mouse with buttons lit: param bits 1 left, 2 middle, 4 right, 8 double
  Keycap,           // a key top with the text
  CustomKeystroke,  // the key top with four modifier boxes along its top edge
  ScreenFill,       // a screen frame filled with param as 0x00BBGGRR
  LaserDot,
  Gesture,          // the path in text: letters U D L R, diagonals as pairs in brackets
  Hotspot,          // a screen with one edge or corner lit: text T B L R TL TR BL BR
  UsFlag,
};

struct Art {
  std::string_view glyph;  // empty: no glyph
  Tint tint = Tint::None;
  std::string_view badge = {};  // a small glyph in the bottom-right corner
  Tint badgeTint = Tint::Alert;
  Drawing drawing = Drawing::Glyph;
  std::uint32_t param = 0;
  std::string_view text = {};
  bool big = true;  // false: no "_Big" picture, the small one is stretched
};

struct NamedArt {
  std::string_view name;
  Art art;
};

// Pointer pictures and cursors carry their own colours.
struct Sprite {
  std::string_view name;
  std::string_view glyph;
  std::uint32_t color;  // 0x00BBGGRR
  Drawing drawing = Drawing::Glyph;
};

// Where the hotspot sits: at the ink nearest that side of the glyph, or for
// Lens at the middle of a magnifier's glass.
enum class Anchor { Center, TopLeft, Top, BottomLeft, Right, Lens };

struct CursorArt {
  std::string_view name;    // a fixed cursor's name, or a family prefix
  std::string_view glyph;   // empty: an invisible cursor
  Anchor hotspot = Anchor::Center;
  bool down = false;        // pressed: an ink mark at the hotspot
  std::string_view shape;   // "rect", "ellipse", "line": a shape beside a crosshair
};

std::span<const NamedArt> ButtonArt();
std::span<const NamedArt> EventArt();
std::span<const Sprite> PointerArt();
std::span<const CursorArt> CursorTableArt();

// Nothing when the name is not in the table.
const Art* FindArt(std::span<const NamedArt> table, std::string_view name);

}  // namespace resources::generator::generator
