// The text room's state: the translation and its harvest, the message table,
// the fonts, the file-dialog filters and the date and time words of this
// program. One object per program (base/program_state.h).
#pragma once
#include "text/A_fonts.h"
#include "text/A_messages.h"
#include "text/A_translate.h"
#include "text/date_time_words.h"
#include "text/file_filters.h"

namespace base {
class ProgramSteps;
}

namespace text {

struct TextState {
  TTranslation translation;
  TMessageTable messages;
  TFonts fonts;
  TFileFilters fileFilters;
  TDateTimeWords dateTimeWords;
};

TextState& State();

// The room's work in the program's steps: "Translation Handling" (the table,
// the fonts, the filters, the message table, the date and time words) and
// "Finish Translation" (the harvest file, then everything freed).
void RegisterSteps(base::ProgramSteps& steps);

void TranslationHandling();
void FinishTranslation();

}  // namespace text
