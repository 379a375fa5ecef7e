// The start-up and shutdown steps of the program. The control window runs the
// steps by name in the order the program defines; each room registers its
// work into the steps it takes part in, and work registered into one step
// runs in the order it was registered (the rooms register bottom layer first).
#pragma once
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace base {

class ProgramSteps {
 public:
  using Work = std::function<void()>;

  void Add(std::string_view step, Work work);
  // Runs the step's work; false when no room has registered any.
  bool Run(std::string_view step);
  // Steps that have work but were never run: a room registered under a name
  // the program does not run (a misspelt step, say).
  std::vector<std::string> NeverRun() const;

 private:
  struct Step {
    std::vector<Work> work;
    bool ran = false;
  };
  std::map<std::string, Step, std::less<>> steps_;
};

}  // namespace base
