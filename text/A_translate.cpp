#include "text/A_translate.h"

#include <algorithm>
#include <set>

#include "platform/platform.h"
#include "session/A_paths.h"
#include "text/text_state.h"

namespace text {
namespace {

TTranslation& T() { return State().translation; }

bool OnlyDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void Harvest(std::string_view text) {
  TTranslation& t = T();
  if (text.empty() || OnlyDigits(text) || t.harvested.count(text)) return;
  t.harvested.emplace(text);
  t.harvest.emplace_back(text);
}

std::string Lookup(std::string_view text) {
  const TranslationTable& table = T().table;
  auto it = table.find(text);
  return it == table.end() ? std::string(text) : it->second;
}

// The header that tells a translator what to do with the file.
constexpr const char* HeaderLines[] = {
    "// T R A N S L A T I O N    F I L E",
    "// ================================",
    "// Each line in this file represents a word or phrase used in the program.",
    "// To translate this word or phrase to another Help,",
    "// enter the appropriate translated text after the equal sign.",
    "// For example, the following lines are from a German translation...",
    "// Analog Clock=Analoguhr",
    "// Analog Clock Properties=Analoguhreigenschaften",
    "// ",
    "// There are 3 special entries: _FontName  _FontHeight _FontCharSet",
    "// These allow you to specify a Font other than the default font.",
    "// For example, you could specify the following to force an Arial 24 Font.",
    "// _FontName=Arial",
    "// _FontHeight=24",
    "// ",
    "// Notes",
    "// =====",
    "// The & symbol is used by Menus and should be placed immediately",
    "// before the keyboard accelerator character. This is the character that",
    "// activates the menu when the ALT key is pressed. It appears on the menu",
    "// as an underline character. It is often the first character of the word.",
    "// ",
    "// ",
    "// Any lines beginning with // are comment lines and are not to be translated",
    "// ",
    "// ",
    "// ",
    "// ",
    "// ",
    "// ",
    "// To be active this file must be renamed TRANSLAT.DQZ",
    "// and placed in the help directory",
    "// ",
};
static_assert(std::size(HeaderLines) == 33);

std::string TranslateOne(std::string_view text) {
  if (text.empty()) return {};
  if (T().harvesting) {
    Harvest(text);
    return std::string(text);
  }
  return Lookup(text);
}

}  // namespace

TranslationTable ParseTranslation(std::string_view content) {
  TranslationTable out;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(pos, end - pos);
    pos = end;
    if (pos < content.size() && content[pos] == '\r') ++pos;
    if (pos < content.size() && content[pos] == '\n') ++pos;
    if (line.empty() || line.substr(0, 2) == "//") continue;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
      out.emplace(std::string(line), std::string(line));
    else
      out.emplace(std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)));
  }
  return out;
}

void SetTranslationTable(TranslationTable t) { T().table = std::move(t); }
void SetHarvestMode(bool on) { T().harvesting = on; }
bool HarvestMode() { return T().harvesting; }
const std::vector<std::string>& HarvestList() { return T().harvest; }

void FreeTranslation() {
  TTranslation& t = T();
  t.table.clear();
  t.harvest.clear();
  t.harvested.clear();
}

std::string Translate(std::string_view text) {
  // Hints hold a short and a long text; each is translated on its own. Splitting
  // at every "|" in a loop does the same as splitting at the first one again and
  // again, without a recursion as deep as the text is long.
  std::string out;
  std::size_t start = 0;
  for (;;) {
    std::size_t bar = text.find('|', start);
    out += TranslateOne(text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) return out;
    out += '|';
    start = bar + 1;
  }
}

void TranslationSection(std::string_view name) {
  if (!T().harvesting) return;
  Translate(std::string(84, '/') + " " + std::string(name));
}

std::string HarvestFileText() {
  const TTranslation& t = T();
  std::string out;
  for (const char* line : HeaderLines) out.append(line).append("\r\n");
  for (const std::string& line : t.harvest) {
    if (line.rfind("//", 0) == 0) {
      out.append(line);
    } else {
      auto it = t.table.find(line);
      out.append(line).append("=").append(it == t.table.end() ? std::string() : it->second);
    }
    out.append("\r\n");
  }
  return out;
}

void LoadTranslationFile() {
  auto content = platform::os().files().ReadFile(session::Folders().HelpFolder + "translat.dqz");
  SetTranslationTable(content ? ParseTranslation(*content) : TranslationTable{});
}

void WriteHarvestFile() {
  std::string path = session::Folders().HelpFolder + "translat.new";
  if (!platform::os().files().ReplaceFile(path, HarvestFileText()))
    platform::os().diagnostics().Note("translation", "cannot write " + path);
}

}  // namespace text
