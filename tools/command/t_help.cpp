#include "tools/command/t_help.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr THelpTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<THelpTool>();
  return copy;
}

void THelpTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Help";
  KindName = "Help";
  ShortCaption = "Help";
  HelpName = "Help";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  IconIndex = resources::tb_Help;
}

}  // namespace tools::command::command::command::command
