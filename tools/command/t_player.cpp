#include "tools/command/t_player.h"

namespace tools::command {

tool::ToolPtr TPlayertool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPlayertool>();
  return copy;
}

void TPlayertool::InitDefaults() {
  Instant = true;
  EndsActiveTool = false;
}

}  // namespace tools::command::command::command::command
