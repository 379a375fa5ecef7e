// The help documents the program needs, and the two maintenance jobs on them.
#pragma once
#include <string>
#include <vector>

namespace text {

// The documents of the tool kinds (`helpNames`: the HelpName of every
// catalogue entry, as ".rtf") and the fixed ones; sorted, without duplicates
// (file names compare without case, as on Windows).
std::vector<std::string> RequiredHelpFiles(const std::vector<std::string>& helpNames);
// "/LISTREQUIREDHELPFILES": RequiredHelpFiles.txt in the current folder, one name a line.
void WriteRequiredHelpFilesList(const std::vector<std::string>& helpNames);
// "/REMOVEUNUSEDHELPFILES": every "*.rtf" and "*.hlp" file in HelpFolder.
void RemoveHelpDocuments();

}  // namespace text
