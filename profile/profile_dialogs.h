// The three profile dialogs of the editor (New, Open, Save As) with the checks
// they make while closing: Save As refuses a factory profile's name and New an
// existing file's name, each with a message, and stay open for another name.
#pragma once
#include <optional>
#include <string>

namespace profile {

std::optional<std::string> ChooseSaveAsProfile();
std::optional<std::string> ChooseNewProfile();
std::optional<std::string> ChooseOpenProfile();

}  // namespace profile
