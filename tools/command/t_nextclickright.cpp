#include "tools/command/t_nextclickright.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TNextClickRightTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TNextClickRightTool>();
  return copy;
}

void TNextClickRightTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Next Click Right";
  KindName = "Next Click Right";
  ShortCaption = "Next Right";
  HelpName = "Next Right";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  IconIndex = resources::tb_NextClickRight;
}

}  // namespace tools::command::command::command::command
