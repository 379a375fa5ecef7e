#include "tools/command/t_dvdplayer.h"

namespace tools {

core::ToolPtr TDVDPlayerTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TDVDPlayerTool>();
  return copy;
}

void TDVDPlayerTool::InitDefaults() {
  TPlayertool::InitDefaults();
}

}  // namespace tools
