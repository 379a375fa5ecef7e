#include "tools/screen/t_wheel.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TWheelTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TWheelTool>();
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
  IconIndex = core::tb_UpDownArrow;
}

}  // namespace tools
