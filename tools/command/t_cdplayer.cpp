#include "tools/command/t_cdplayer.h"

namespace tools::command {

tool::ToolPtr TCDPlayerTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TCDPlayerTool>();
  return copy;
}

void TCDPlayerTool::InitDefaults() {
  TPlayertool::InitDefaults();
  HelpName = "CD";
}

}  // namespace tools::command::command::command::command
