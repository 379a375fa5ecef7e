// The help documents the program needs, and the two maintenance jobs on them.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace text {

// The `HelpName` of every catalogue entry. The catalogue fills this in when it is
// built; until then no tool kind contributes a help document.
extern std::function<std::vector<std::string>()> CatalogueHelpNames;

// Sorted, without duplicates (file names compare without case, as on Windows).
std::vector<std::string> RequiredHelpFiles();
// "/LISTREQUIREDHELPFILES": RequiredHelpFiles.txt in the current folder, one name a line.
void WriteRequiredHelpFilesList();
// "/REMOVEUNUSEDHELPFILES": every "*.rtf" and "*.hlp" file in HelpFolder.
void RemoveHelpDocuments();

}  // namespace text
