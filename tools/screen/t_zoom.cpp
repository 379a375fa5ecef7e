#include "tools/screen/t_zoom.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TZoomTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TZoomTool>();
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
  MenuIconIndex = core::tb_Zoom;
  IconIndex = core::tb_Zoom2x;
}

}  // namespace tools
