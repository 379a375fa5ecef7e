// The forms room's state: the live forms by their command-14 number, the
// message windows, the splash window and the program's host. One object per
// program (base/program_state.h).
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "forms/f_form.h"
#include "forms/f_msgform.h"
#include "forms/forms_host.h"
#include "platform/types.h"

namespace base {
class ProgramSteps;
}

namespace forms {

struct FormsState {
  // Declared first, so they outlive the forms below, whose destructors use them.
  std::map<std::int64_t, TForm*> live;
  std::int64_t nextId = 1;
  int openMessageWindows = 0;
  std::vector<std::unique_ptr<TMsgForm>> modeless;
  std::unique_ptr<TForm> splash;
  platform::Tick splashShownAt = 0;
  FormsHost* host = nullptr;
};

FormsState& State();
// The program's host; aborts when the program has not set one.
FormsHost& Host();

// "Close Forms": the modeless message windows.
void RegisterSteps(base::ProgramSteps& steps);

}  // namespace forms
