// The file dialogs of the program: the small ones the tools use (pictures,
// textures, media) and the three profile dialogs of the editor (New, Open,
// Save As) with the checks they make while closing.
#pragma once
#include <optional>
#include <string>

namespace forms {

// Each starts in the folder of `path` (or its own folder when path is empty);
// on OK path becomes the chosen file in lower case and the result is true.
bool ChoosePicture(std::string& path);
bool ChooseTexture(std::string& path);
bool ChooseMedia(std::string& path);

// The profile dialogs. Save As refuses a factory profile's name and New an
// existing file's name, each with a message, and stay open for another name.
std::optional<std::string> ChooseSaveAsProfile();
std::optional<std::string> ChooseNewProfile();
std::optional<std::string> ChooseOpenProfile();

// The filters the dialogs show, from translated words.
std::string PictureFilter();
std::string MediaFilter();

}  // namespace forms
