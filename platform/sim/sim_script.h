// Scripts for the simulated desktop: a timeline of actions, one per line, each
// at the script's current time. "wait N" moves the time on; "at N" sets it.
// "expect TEXT" and "expect-none TEXT" check the trace at their point of the
// timeline. The format is documented in docs/sim-script.md.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_trace.h"

namespace platform::sim {

struct ScriptLine {
  int number = 0;
  std::uint64_t due = 0;
  std::vector<std::string> words;
  // What follows the first word, as written (without the comment and the
  // spaces around it).
  std::string rest;
};

// A command returns what is wrong with its line ("fire CODE"), or nothing when
// the line is well formed. A well-formed line that cannot take effect (the main
// program is not running) says so in the trace and returns nothing.
using ScriptCommand = std::function<std::string(SimDesktop&, const ScriptLine&)>;

// Whether a trace line's "category text" matches an expectation: the whole
// text, letter case as written, with "*" standing for any run of characters
// (none, or several, line breaks included).
bool MatchesExpectation(std::string_view pattern, std::string_view text);

// How a run went against its script: every expectation met and no line
// malformed or unknown. The report lists what was not, with the trace around
// the place it was looked for.
struct ScriptResult {
  bool passed = true;
  int expectations = 0;
  int unmet = 0;
  int errors = 0;
  std::string report;
};

class ScriptTimeline final : public Timeline {
 public:
  // Parses the text; a malformed line is reported in `errors` and skipped.
  explicit ScriptTimeline(const std::string& text);

  // Commands beyond the built-in ones (the program adds its own).
  void AddCommand(std::string name, ScriptCommand command);

  std::optional<std::uint64_t> NextDue() override;
  void RunNext(SimDesktop& desktop) override;

  // Malformed and unknown lines, "line N: why": found while parsing, or when
  // the line was run.
  const std::vector<std::string>& errors() const { return errors_; }
  // Lines before the first timed action that configure the run ("args ...").
  std::vector<std::string> programArguments;

  // After the run: checks the expectations that follow the script's last
  // action (they see the whole run, its shutdown included) and reports.
  ScriptResult Finish(const Trace& trace);

 private:
  struct Expectation {
    int line = 0;
    bool none = false;  // expect-none
    std::string pattern;
  };
  struct Miss {
    Expectation expectation;
    int since = 0;                    // the expectation the search started after; 0: the start
    std::optional<std::uint64_t> at;  // when it was checked; none: after the run
    std::size_t from = 0, to = 0;     // the trace lines it looked at
    std::size_t found = 0;            // expect-none: the line that should not be there
  };

  std::string RunBuiltIn(SimDesktop& desktop, const ScriptLine& line);
  void Check(const Trace& trace, const Expectation& e, std::optional<std::uint64_t> at);
  std::string Report(const Trace& trace) const;

  std::vector<ScriptLine> lines_;
  std::size_t next_ = 0;
  std::map<std::string, ScriptCommand> commands_;
  std::vector<std::string> errors_;

  std::vector<Expectation> atEnd_;
  std::vector<Miss> misses_;
  int expectations_ = 0;
  // The trace line after the one that met the last satisfied expectation.
  std::size_t cursor_ = 0;
  int cursorLine_ = 0;
  bool finished_ = false;
};

// Numbers as the scripts write them: decimal or 0x hexadecimal.
std::optional<std::int64_t> ParseScriptNumber(const std::string& word);
// "left", "right", "middle": the physical button.
std::optional<SimDesktop::Button> ParseButton(const std::string& word);
// A key as the scripts name it: 0-9, A-Z, F1-F12, Esc, Shift, Ctrl, Alt, Win,
// Enter, Space, Tab, or a virtual-key number.
std::optional<std::uint32_t> ParseVirtualKey(const std::string& word);

}  // namespace platform::sim
