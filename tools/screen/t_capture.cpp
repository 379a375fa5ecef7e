#include "tools/screen/t_capture.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TCaptureTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TCaptureTool>();
  return copy;
}

void TCaptureTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Capture Image";
  KindName = "Capture Image";
  ShortCaption = "Capture";
  PropertiesCaption = "Capture Image Properties";
  HelpName = "Capture";
  RightClickEnds = false;
  EscEnds = false;
  UsesToolWindow = true;
  CloseMode = 1;
  WarnsVideoFreeze = true;
  IconIndex = resources::tb_Capture;
}

}  // namespace tools::screen::screen::screen::screen
