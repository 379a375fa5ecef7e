#include "tools/screen/t_wheel.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TWheelTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TWheelTool>();
  return copy;
}

void TWheelTool::InitDefaults() {
  Instant = false;
  CapturesMouse = true;
  EndsActiveTool = true;
  HoldToRun = true;
  Description = "Wheel";
  KindName = "Wheel";
  ShortCaption = "Wheel";
  PropertiesCaption = "Wheel Properties";
  HelpName = "Wheel";
  Configurable = true;
  RightClickEnds = false;
  EscEnds = false;
  AllowedEvents[9] = false;  // hotspots 3090..3097
  CloseMode = 0;
  IconIndex = resources::tb_UpDownArrow;
}

}  // namespace tools::screen::screen::screen::screen
