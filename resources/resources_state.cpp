#include "resources/resources_state.h"

#include "base/program_state.h"
#include "base/program_steps.h"

namespace resources {

ResourcesState& State() { return base::CurrentProgram().Get<ResourcesState>(); }

void RegisterSteps(base::ProgramSteps& steps) {
  steps.Add("Load Resources", LoadResources);
  steps.Add("Load Graphics", LoadGraphics);
  steps.Add("Free Resources", FreeResources);
}

}  // namespace resources
