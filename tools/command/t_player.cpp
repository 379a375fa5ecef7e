#include "tools/command/t_player.h"

namespace tools {

core::ToolPtr TPlayertool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TPlayertool>();
  return copy;
}

void TPlayertool::InitDefaults() {
  Instant = true;
  EndsActiveTool = false;
}

}  // namespace tools
