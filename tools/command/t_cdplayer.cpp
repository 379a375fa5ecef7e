#include "tools/command/t_cdplayer.h"

namespace tools {

core::ToolPtr TCDPlayerTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TCDPlayerTool>();
  return copy;
}

void TCDPlayerTool::InitDefaults() {
  TPlayertool::InitDefaults();
  HelpName = "CD";
}

}  // namespace tools
