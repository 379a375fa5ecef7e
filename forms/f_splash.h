// The splash window: shown before anything else starts, a stay-on-top popup
// without caption, centred on the screen and sized to its picture, caption text
// "Loading...". It is hidden and freed once the forms are open and it has been
// up for the splash time.
#pragma once
#include "forms/f_form.h"
#include "platform/types.h"

namespace forms {

platform::FormSpec SplashFormSpec();

void ShowSplash();
bool SplashShown();
platform::Tick SplashShownAt();
void FreeSplash();

}  // namespace forms
