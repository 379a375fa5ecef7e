#include "base/program_state.h"

#include <cstdio>
#include <cstdlib>

namespace base {
namespace {
ProgramState* current = nullptr;
}  // namespace

ProgramState::~ProgramState() {
  // Newest first, each while it is still in its slot: a state being destroyed
  // may still be looked up by the objects it frees.
  closing_ = true;
  for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
    delete slots_[*it];
    slots_[*it] = nullptr;
  }
}

void ProgramState::StateGoneWhileClosing() {
  // A state reached after it was destroyed: its room's state was made too
  // late (see the header on the order of construction).
  std::fputs("a room's state was asked for after it was destroyed\n", stderr);
  std::abort();
}

std::size_t ProgramState::NextSlot() {
  static std::size_t next = 0;
  return next++;
}

ProgramState& CurrentProgram() {
  if (!current) {
    std::fputs("no program state is bound\n", stderr);
    std::abort();
  }
  return *current;
}

bool HasProgram() { return current != nullptr; }

ScopedProgram::ScopedProgram(ProgramState& state) : previous_(current) { current = &state; }
ScopedProgram::~ScopedProgram() { current = previous_; }

}  // namespace base
