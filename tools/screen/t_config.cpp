#include "tools/screen/t_config.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TConfigTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TConfigTool>();
  return copy;
}

void TConfigTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = true;
  EndsActiveTool = true;
  Description = "Display Configuration";
  KindName = "Display Configuration";
  ShortCaption = "Config";
  HelpName = "DspConfig";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  HideEditor = false;
  CloseMode = 0;
  IconIndex = core::tb_Configure;
}

}  // namespace tools
