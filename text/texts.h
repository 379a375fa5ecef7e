// The texts module's part of start-up and shutdown: it fills the control window's
// steps "Translation Handling", the batch jobs and "Finish translation".
#pragma once
#include <functional>

namespace text {

// Installs the steps in the core's links and finds the default browser; called
// in the step "Set Constants", after the folders are known.
void InstallTexts();

// Steps, as the control window runs them.
void TranslationHandling();
void RunBatchJob();
void FinishTranslation();

// Filled by their owners: the PowerPoint shape names and the key names translate
// themselves in place (sections "Powerpoint Shapes" and "Keystrokes"); the forms
// layer opens and closes every form and properties dialog for the harvest.
extern std::function<void()> TranslateShapeNames;
extern std::function<void()> TranslateKeyNames;
extern std::function<void()> ShowAllFormsForHarvest;

}  // namespace text
