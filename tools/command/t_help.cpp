#include "tools/command/t_help.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr THelpTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<THelpTool>();
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
  IconIndex = core::tb_Help;
}

}  // namespace tools
