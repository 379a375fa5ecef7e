#include "tools/command/t_dvdplayer.h"

namespace tools::command {

tool::ToolPtr TDVDPlayerTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TDVDPlayerTool>();
  return copy;
}

void TDVDPlayerTool::InitDefaults() {
  TPlayertool::InitDefaults();
}

}  // namespace tools::command::command::command::command
