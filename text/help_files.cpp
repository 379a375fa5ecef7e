#include "text/help_files.h"

#include <algorithm>

#include "base/strings.h"
#include "session/A_paths.h"
#include "platform/platform.h"

namespace text {

std::function<std::vector<std::string>()> CatalogueHelpNames;

std::vector<std::string> RequiredHelpFiles() {
  std::vector<std::string> names;
  if (CatalogueHelpNames)
    for (const std::string& help : CatalogueHelpNames()) names.push_back(help + ".rtf");
  // The help topics Overview, Configuration, Operation, Preferences and Toolbars.
  for (const char* stem : {"overview", "config", "operate", "pref", "toolbar"}) names.push_back(std::string(stem) + ".rtf");
  for (const char* file : {"translat.dqz", "translat.new", "License.txt"}) names.emplace_back(file);
  auto less = [](const std::string& a, const std::string& b) { return base::LowerCase(a) < base::LowerCase(b); };
  auto same = [](const std::string& a, const std::string& b) { return base::SamePath(a, b); };
  std::stable_sort(names.begin(), names.end(), less);
  names.erase(std::unique(names.begin(), names.end(), same), names.end());
  return names;
}

void WriteRequiredHelpFilesList() {
  constexpr const char* path = "RequiredHelpFiles.txt";  // relative: the current folder
  std::string text;
  for (const std::string& name : RequiredHelpFiles()) text += name + "\r\n";
  auto& files = platform::os().files();
  files.Delete(path);
  files.ReplaceFile(path, text);
}

void RemoveHelpDocuments() {
  auto& files = platform::os().files();
  for (const char* pattern : {"*.rtf", "*.hlp"})
    for (const std::string& name : files.ListFiles(session::HelpFolder, pattern)) files.Delete(session::HelpFolder + name);
}

}  // namespace text
