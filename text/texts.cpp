#include "text/texts.h"

#include "text/A_fonts.h"
#include "text/A_messages.h"
#include "text/A_translate.h"
#include "forms/f_form.h"
#include "session/browser.h"
#include "session/command_line.h"
#include "app/core_links.h"
#include "text/date_time_words.h"
#include "text/file_filters.h"
#include "text/help_files.h"
#include "profile/profile.h"

namespace text {

std::function<void()> TranslateShapeNames;
std::function<void()> TranslateKeyNames;
std::function<void()> ShowAllFormsForHarvest;

void InstallTexts() {
  app::Links().translationHandling = TranslationHandling;
  app::Links().runBatchJob = RunBatchJob;
  app::Links().finishTranslation = FinishTranslation;
  // In harvest mode every form closes as soon as it is shown (command 14).
  forms::FormsHarvesting = [] { return HarvestMode(); };
  session::DetectDefaultBrowser();
}

void TranslationHandling() {
  FreeTranslation();
  SetHarvestMode(session::CommandLine.updateTranslationFile);
  LoadTranslationFile();
  CreateFonts();
  BuildFileFilters();
  BuildMessageTable();
  TranslateDateTimeWords();
  if (TranslateShapeNames) TranslateShapeNames();
  if (TranslateKeyNames) TranslateKeyNames();
}

void RunBatchJob() {
  if (session::CommandLine.updateTranslationFile && ShowAllFormsForHarvest) ShowAllFormsForHarvest();
  if (session::CommandLine.listRequiredHelpFiles) WriteRequiredHelpFilesList();
  if (session::CommandLine.removeUnusedHelpFiles) RemoveHelpDocuments();
}

void FinishTranslation() {
  if (HarvestMode()) WriteHarvestFile();
  FreeTranslation();
  SetHarvestMode(false);
  FreeMessageTable();
  FreeFonts();
  profile::FactoryProfiles.clear();
  profile::RecentFactoryProfiles.clear();
  profile::RecentUserProfiles.clear();
  profile::RecentProfiles.clear();
}

}  // namespace text
