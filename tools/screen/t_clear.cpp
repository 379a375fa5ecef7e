#include "tools/screen/t_clear.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TClearTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TClearTool>();
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
  IconIndex = core::tb_Clear;
}

}  // namespace tools
