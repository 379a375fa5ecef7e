#include "tools/screen/t_config.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TConfigTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TConfigTool>();
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
  IconIndex = resources::tb_Configure;
}

}  // namespace tools::screen::screen::screen::screen
