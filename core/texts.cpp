#include "core/texts.h"

#include "core/A_fonts.h"
#include "core/A_messages.h"
#include "core/A_translate.h"
#include "core/f_form.h"
#include "core/browser.h"
#include "core/command_line.h"
#include "core/core_links.h"
#include "core/date_time_words.h"
#include "core/file_filters.h"
#include "core/help_files.h"
#include "core/profile.h"

namespace core {

std::function<void()> TranslateShapeNames;
std::function<void()> TranslateKeyNames;
std::function<void()> ShowAllFormsForHarvest;

void InstallTexts() {
  Links().translationHandling = TranslationHandling;
  Links().runBatchJob = RunBatchJob;
  Links().finishTranslation = FinishTranslation;
  // In harvest mode every form closes as soon as it is shown (command 14).
  FormsHarvesting = [] { return HarvestMode(); };
  DetectDefaultBrowser();
}

void TranslationHandling() {
  FreeTranslation();
  SetHarvestMode(CommandLine.updateTranslationFile);
  LoadTranslationFile();
  CreateFonts();
  BuildFileFilters();
  BuildMessageTable();
  TranslateDateTimeWords();
  if (TranslateShapeNames) TranslateShapeNames();
  if (TranslateKeyNames) TranslateKeyNames();
}

void RunBatchJob() {
  if (CommandLine.updateTranslationFile && ShowAllFormsForHarvest) ShowAllFormsForHarvest();
  if (CommandLine.listRequiredHelpFiles) WriteRequiredHelpFilesList();
  if (CommandLine.removeUnusedHelpFiles) RemoveHelpDocuments();
}

void FinishTranslation() {
  if (HarvestMode()) WriteHarvestFile();
  FreeTranslation();
  SetHarvestMode(false);
  FreeMessageTable();
  FreeFonts();
  FactoryProfiles.clear();
  RecentFactoryProfiles.clear();
  RecentUserProfiles.clear();
  RecentProfiles.clear();
}

}  // namespace core
