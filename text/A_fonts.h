// The application fonts as data: what face, height, character set and style each
// one has. The forms layer and the renderers turn them into real fonts.
#pragma once
#include <string>

namespace text {

inline constexpr int DefaultCharset = 1;  // the system's "default character set"
inline constexpr int MaxDialogFontHeight = 24;

struct FontRecord {
  std::string face;
  int height = 0;   // pixels
  int size = 0;     // points, when the font was given by size; 0 when by height
  int charset = DefaultCharset;
  bool bold = false;
  bool operator==(const FontRecord&) const = default;
};

struct TFonts {
  FontRecord DialogFont;
  FontRecord MenuFont;
  FontRecord SymbolFont;
  FontRecord BoldDialogFont;
  FontRecord SmallDialogFont;
  FontRecord HintFont;
};

// This program's fonts (empty until CreateFonts).
TFonts& Fonts();

// Creates the fonts, letting the translation's "_FontName", "_FontHeight" and
// "_FontCharSet" entries replace the dialog font's face, height and character set.
void CreateFonts();
// Applies the three font entries (through Translate) to a font. Numbers that do
// not parse are ignored; a height above 24 becomes 24.
void ApplyTranslatedFont(FontRecord& font);
// What the first state event does to the fonts once the preferences are read.
void AlignFontsWithDialogFont();
void FreeFonts();

}  // namespace text
