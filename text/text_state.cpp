#include "text/text_state.h"

#include "base/program_state.h"
#include "base/program_steps.h"
#include "session/command_line.h"

namespace text {

TextState& State() { return base::CurrentProgram().Get<TextState>(); }

void TranslationHandling() {
  FreeTranslation();
  SetHarvestMode(session::CommandLine().updateTranslationFile);
  LoadTranslationFile();
  CreateFonts();
  BuildFileFilters();
  BuildMessageTable();
  TranslateDateTimeWords();
}

void FinishTranslation() {
  if (HarvestMode()) WriteHarvestFile();
  FreeTranslation();
  SetHarvestMode(false);
  FreeMessageTable();
  FreeFonts();
}

void RegisterSteps(base::ProgramSteps& steps) {
  steps.Add("Translation Handling", TranslationHandling);
  steps.Add("Finish Translation", FinishTranslation);
}

}  // namespace text
