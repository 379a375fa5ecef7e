#include "text/A_fonts.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "text/A_translate.h"
#include "platform/platform.h"

namespace text {

FontRecord DialogFont, MenuFont, SymbolFont, BoldDialogFont, SmallDialogFont, HintFont;

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
  DialogFont = FontRecord{"MS Sans Serif", 18};
  TranslationSection("Application Font - Please read above for more information");
  ApplyTranslatedFont(DialogFont);
  platform::FontFace menu = platform::os().screen().MenuFont();
  MenuFont = FontRecord{menu.face, menu.height};
  SymbolFont = FontRecord{"Marlett", MenuFont.height};
  BoldDialogFont = DialogFont;
  BoldDialogFont.bold = true;
  SmallDialogFont = DialogFont;
  SmallDialogFont.size = 10;
  HintFont = DialogFont;
}

void AlignFontsWithDialogFont() {
  for (FontRecord* f : {&BoldDialogFont, &SmallDialogFont, &MenuFont}) {
    f->face = DialogFont.face;
    f->height = DialogFont.height;
    f->size = 0;
  }
  HintFont.height = (DialogFont.height * 12 + 5) / 10;
}

void FreeFonts() { DialogFont = MenuFont = SymbolFont = BoldDialogFont = SmallDialogFont = HintFont = FontRecord{}; }

}  // namespace text
