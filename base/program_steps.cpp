#include "base/program_steps.h"

namespace base {

void ProgramSteps::Add(std::string_view step, Work work) {
  auto it = steps_.find(step);
  if (it == steps_.end()) it = steps_.emplace(std::string(step), Step{}).first;
  it->second.work.push_back(std::move(work));
}

bool ProgramSteps::Run(std::string_view step) {
  auto it = steps_.find(step);
  if (it == steps_.end()) return false;
  it->second.ran = true;
  // A step's work may register more work (into other steps): run a copy.
  std::vector<Work> work = it->second.work;
  for (const Work& w : work) w();
  return !work.empty();
}

std::vector<std::string> ProgramSteps::NeverRun() const {
  std::vector<std::string> out;
  for (const auto& [name, step] : steps_)
    if (!step.ran && !step.work.empty()) out.push_back(name);
  return out;
}

}  // namespace base
