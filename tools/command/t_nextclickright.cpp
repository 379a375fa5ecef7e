#include "tools/command/t_nextclickright.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TNextClickRightTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TNextClickRightTool>();
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
  IconIndex = core::tb_NextClickRight;
}

}  // namespace tools
