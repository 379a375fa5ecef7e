// Fuzz target: a translation file of any bytes is read, its font entries
// applied and texts translated and harvested, without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/A_fonts.h"
#include "core/A_translate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view content(reinterpret_cast<const char*>(data), size);
  core::SetTranslationTable(core::ParseTranslation(content));
  core::FontRecord font{"MS Sans Serif", 18};
  core::ApplyTranslatedFont(font);
  if (font.height > core::MaxDialogFontHeight || font.charset < 0 || font.charset > 255) std::abort();
  core::Translate("Open|Open a profile");
  // The file's own text as a text to show, then harvested and written back.
  core::Translate(content.substr(0, 4096));
  core::SetHarvestMode(true);
  core::Translate(content.substr(0, 4096));
  core::TranslationSection(content.substr(0, 64));
  (void)core::HarvestFileText();
  core::SetHarvestMode(false);
  core::FreeTranslation();
  return 0;
}
