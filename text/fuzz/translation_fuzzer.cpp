// Fuzz target: a translation file of any bytes is read, its font entries
// applied and texts translated and harvested, without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/program_state.h"
#include "text/A_fonts.h"
#include "text/A_translate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  base::ProgramState program;  // a fresh text state for every input
  base::ScopedProgram bind(program);
  std::string_view content(reinterpret_cast<const char*>(data), size);
  text::SetTranslationTable(text::ParseTranslation(content));
  text::FontRecord font{"MS Sans Serif", 18};
  text::ApplyTranslatedFont(font);
  if (font.height > text::MaxDialogFontHeight || font.charset < 0 || font.charset > 255) std::abort();
  text::Translate("Open|Open a profile");
  // The file's own text as a text to show, then harvested and written back.
  text::Translate(content.substr(0, 4096));
  text::SetHarvestMode(true);
  text::Translate(content.substr(0, 4096));
  text::TranslationSection(content.substr(0, 64));
  (void)text::HarvestFileText();
  text::SetHarvestMode(false);
  text::FreeTranslation();
  return 0;
}
