#include "text/help_files.h"

#include <algorithm>

#include "base/strings.h"
#include "session/A_paths.h"
#include "platform/platform.h"

namespace text {

std::vector<std::string> RequiredHelpFiles(const std::vector<std::string>& helpNames) {
  std::vector<std::string> names;
  for (const std::string& help : helpNames) names.push_back(help + ".rtf");
  // The help topics Overview, Configuration, Operation, Preferences and Toolbars.
  for (const char* stem : {"overview", "config", "operate", "pref", "toolbar"}) names.push_back(std::string(stem) + ".rtf");
  for (const char* file : {"translat.dqz", "translat.new", "License.txt"}) names.emplace_back(file);
  auto less = [](const std::string& a, const std::string& b) { return base::LowerCase(a) < base::LowerCase(b); };
  auto same = [](const std::string& a, const std::string& b) { return base::SamePath(a, b); };
  std::stable_sort(names.begin(), names.end(), less);
  names.erase(std::unique(names.begin(), names.end(), same), names.end());
  return names;
}

void WriteRequiredHelpFilesList(const std::vector<std::string>& helpNames) {
  constexpr const char* path = "RequiredHelpFiles.txt";  // relative: the current folder
  std::string text;
  for (const std::string& name : RequiredHelpFiles(helpNames)) text += name + "\r\n";
  auto& files = platform::os().files();
  files.Delete(path);
  files.ReplaceFile(path, text);
}

void RemoveHelpDocuments() {
  auto& files = platform::os().files();
  const std::string& folder = session::Folders().HelpFolder;
  for (const char* pattern : {"*.rtf", "*.hlp"})
    for (const std::string& name : files.ListFiles(folder, pattern)) files.Delete(folder + name);
}

}  // namespace text
