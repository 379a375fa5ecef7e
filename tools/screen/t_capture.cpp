#include "tools/screen/t_capture.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TCaptureTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TCaptureTool>();
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
  IconIndex = core::tb_Capture;
}

}  // namespace tools
