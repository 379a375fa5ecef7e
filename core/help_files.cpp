#include "core/help_files.h"

#include <algorithm>

#include "core/A_paths.h"
#include "platform/platform.h"

namespace core {

std::function<std::vector<std::string>()> CatalogueHelpNames;

std::vector<std::string> RequiredHelpFiles() {
  std::vector<std::string> names;
  if (CatalogueHelpNames)
    for (const std::string& help : CatalogueHelpNames()) names.push_back(help + ".rtf");
  // The help topics Overview, Configuration, Operation, Preferences and Toolbars.
  for (const char* stem : {"overview", "config", "operate", "pref", "toolbar"}) names.push_back(std::string(stem) + ".rtf");
  for (const char* file : {"translat.dqz", "translat.new", "License.txt"}) names.emplace_back(file);
  auto less = [](const std::string& a, const std::string& b) { return LowerCase(a) < LowerCase(b); };
  auto same = [](const std::string& a, const std::string& b) { return SamePath(a, b); };
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
    for (const std::string& name : files.ListFiles(HelpFolder, pattern)) files.Delete(HelpFolder + name);
}

}  // namespace core
