// Scripts for the simulated desktop: a timeline of actions, one per line, each
// at the script's current time. "wait N" moves the time on; "at N" sets it.
// The format is documented in docs/sim-script.md.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace platform::sim {

struct ScriptLine {
  int number = 0;
  std::uint64_t due = 0;
  std::vector<std::string> words;
};

using ScriptCommand = std::function<void(SimDesktop&, const ScriptLine&)>;

class ScriptTimeline final : public Timeline {
 public:
  // Parses the text; a malformed line is reported in `errors` and skipped.
  explicit ScriptTimeline(const std::string& text);

  // Commands beyond the built-in ones (the program adds its own).
  void AddCommand(std::string name, ScriptCommand command);

  std::optional<std::uint64_t> NextDue() override;
  void RunNext(SimDesktop& desktop) override;

  const std::vector<std::string>& errors() const { return errors_; }
  // Lines before the first timed action that configure the run ("args ...").
  std::vector<std::string> programArguments;

 private:
  void RunBuiltIn(SimDesktop& desktop, const ScriptLine& line);

  std::vector<ScriptLine> lines_;
  std::size_t next_ = 0;
  std::map<std::string, ScriptCommand> commands_;
  std::vector<std::string> errors_;
};

// Numbers as the scripts write them: decimal or 0x hexadecimal.
std::optional<std::int64_t> ParseScriptNumber(const std::string& word);
// "left", "right", "middle": the physical button.
std::optional<SimDesktop::Button> ParseButton(const std::string& word);
// A key as the scripts name it: 0-9, A-Z, F1-F12, Esc, Shift, Ctrl, Alt, Win,
// Enter, Space, Tab, or a virtual-key number.
std::optional<std::uint32_t> ParseVirtualKey(const std::string& word);

}  // namespace platform::sim
