#include "tools/command/t_supervol.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TSuperVolTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TSuperVolTool>();
  return copy;
}

void TSuperVolTool::InitDefaults() {
  Instant = false;
  CapturesMouse = true;
  EndsActiveTool = true;
  HoldToRun = true;
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  AllowedEvents[9] = false;  // hotspots 3090..3097
  Description = "Swivo Volume";
  KindName = "Swivo Volume";
  ShortCaption = "Swivo Vol";
  HelpName = "SuperVol";
  IconIndex = resources::tb_MCE_AV_VolumeSuper;
}

}  // namespace tools::command::command::command::command
