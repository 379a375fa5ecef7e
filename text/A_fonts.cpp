#include "text/A_fonts.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "platform/platform.h"
#include "text/A_translate.h"
#include "text/text_state.h"

namespace text {

TFonts& Fonts() { return State().fonts; }

namespace {

// A whole number, blanks around it allowed; anything else is no number.
std::optional<int> ParseInt(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// The translation of a font key, or nothing when the file does not set it.
std::optional<std::string> Entry(std::string_view key) {
  std::string value = Translate(key);
  if (value == key) return std::nullopt;
  return value;
}

}  // namespace

void ApplyTranslatedFont(FontRecord& font) {
  if (auto face = Entry("_FontName")) font.face = *face;
  if (auto height = Entry("_FontHeight"))
    if (auto h = ParseInt(*height)) font.height = std::min(*h, MaxDialogFontHeight);
  if (auto charset = Entry("_FontCharSet"))
    if (auto c = ParseInt(*charset); c && *c >= 0 && *c <= 255) font.charset = *c;
}

void CreateFonts() {
  TFonts& f = Fonts();
  f.DialogFont = FontRecord{"MS Sans Serif", 18};
  TranslationSection("Application Font - Please read above for more information");
  ApplyTranslatedFont(f.DialogFont);
  platform::FontFace menu = platform::os().screen().MenuFont();
  f.MenuFont = FontRecord{menu.face, menu.height};
  f.SymbolFont = FontRecord{"Marlett", f.MenuFont.height};
  f.BoldDialogFont = f.DialogFont;
  f.BoldDialogFont.bold = true;
  f.SmallDialogFont = f.DialogFont;
  f.SmallDialogFont.size = 10;
  f.HintFont = f.DialogFont;
}

void AlignFontsWithDialogFont() {
  TFonts& f = Fonts();
  for (FontRecord* font : {&f.BoldDialogFont, &f.SmallDialogFont, &f.MenuFont}) {
    font->face = f.DialogFont.face;
    font->height = f.DialogFont.height;
    font->size = 0;
  }
  f.HintFont.height = (f.DialogFont.height * 12 + 5) / 10;
}

void FreeFonts() { Fonts() = TFonts{}; }

}  // namespace text
