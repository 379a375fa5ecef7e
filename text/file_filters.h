// The filters of the file dialogs, built from translated words at start-up.
#pragma once
#include <string>

namespace text {

struct TFileFilters {
  std::string profiles, pictures, sounds, screenSavers, media;
};

// This program's filters (empty until they are built).
TFileFilters& FileFilters();

// Builds the filters, in the harvest section "File Types".
void BuildFileFilters();

}  // namespace text
