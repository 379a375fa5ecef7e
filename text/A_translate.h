// The translator every visible text passes through, and the harvest mode that
// collects those texts into a new translation file.
#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Untranslated text -> its translation; the first entry of a key wins.
using TranslationTable = std::map<std::string, std::string, std::less<>>;

// Reads the text of a translation file. Lines beginning with "//" are comments;
// a line without "=" is its own key and value. Lines may end with CR, LF or both.
TranslationTable ParseTranslation(std::string_view content);

// The table in use and the harvest state of this run: the harvest collects
// every text once, in the order first seen.
struct TTranslation {
  TranslationTable table;
  bool harvesting = false;
  std::vector<std::string> harvest;
  std::set<std::string, std::less<>> harvested;
};

void SetTranslationTable(TranslationTable table);
void SetHarvestMode(bool on);
bool HarvestMode();
const std::vector<std::string>& HarvestList();
void FreeTranslation();  // table and harvest list

std::string Translate(std::string_view text);
// In harvest mode, puts a comment line naming a section into the harvest list.
void TranslationSection(std::string_view name);

// The harvested translation file: the fixed header, then every harvested line
// in collection order, texts with their current translation after the "=".
std::string HarvestFileText();

// Start-up and shutdown work: read HelpFolder's translat.dqz; write translat.new.
void LoadTranslationFile();
void WriteHarvestFile();

}  // namespace text
