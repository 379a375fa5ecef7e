#include "tools/screen/t_zoom.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TZoomTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TZoomTool>();
  return copy;
}

void TZoomTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Zoom";
  KindName = "Zoom";
  ShortCaption = "Zoom";
  PropertiesCaption = "Zoom Properties";
  HelpName = "Zoom";
  UsesToolWindow = true;
  CloseMode = 1;
  CursorId = 5;
  WarnsVideoFreeze = true;
  MenuIconIndex = resources::tb_Zoom;
  IconIndex = resources::tb_Zoom2x;
}

}  // namespace tools::screen::screen::screen::screen
