#include "tools/screen/t_sublim.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TSublimTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TSublimTool>();
  return copy;
}

void TSublimTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = true;
  EndsActiveTool = true;
  Description = "Subliminal Message";
  KindName = "Subliminal Message";
  ShortCaption = "Sub. Msg";
  PropertiesCaption = "Subliminal Message Properties";
  HelpName = "Sublim";
  UsesToolWindow = false;
  CursorId = 15;
  IconIndex = resources::tb_Sublim;
}

}  // namespace tools::screen::screen::screen::screen
