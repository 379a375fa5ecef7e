// The file dialogs of the program: the small ones the tools use (pictures,
// textures, media), and the one way every file dialog is shown.
#pragma once
#include <optional>
#include <string>

#include "platform/forms.h"

namespace forms {

// The platform's file dialog; `check` may refuse a name while the dialog is
// closing (it stays open for another). Nothing when cancelled.
std::optional<std::string> ChooseFile(const platform::FileDialogSpec& spec, const platform::FileDialogCheck& check = {});

// Each starts in the folder of `path` (or its own folder when path is empty);
// on OK path becomes the chosen file in lower case and the result is true.
bool ChoosePicture(std::string& path);
bool ChooseTexture(std::string& path);
bool ChooseMedia(std::string& path);

// The filters the dialogs show, from translated words.
std::string PictureFilter();
std::string MediaFilter();

}  // namespace forms
