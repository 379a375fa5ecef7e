#include "tools/screen/t_clear.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TClearTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TClearTool>();
  return copy;
}

void TClearTool::InitDefaults() {
  Instant = false;  // its work is done in Start, once it is the active tool
  EndsActiveTool = true;
  UsesToolWindow = false;
  Description = "Clear Screen";
  KindName = "Clear Screen";
  ShortCaption = "Clear";
  HelpName = "Clear";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  IconIndex = resources::tb_Clear;
}

}  // namespace tools::screen::screen::screen::screen
