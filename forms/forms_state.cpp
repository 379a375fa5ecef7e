#include "forms/forms_state.h"

#include <cstdio>
#include <cstdlib>

#include "base/program_state.h"
#include "base/program_steps.h"
#include "forms/A_msg.h"

namespace forms {

FormsState& State() { return base::CurrentProgram().Get<FormsState>(); }

FormsHost& Host() {
  FormsHost* host = State().host;
  if (!host) {
    std::fputs("the program set no host for its forms\n", stderr);
    std::abort();
  }
  return *host;
}

void RegisterSteps(base::ProgramSteps& steps) { steps.Add("Close Forms", CloseMessageWindows); }

}  // namespace forms
