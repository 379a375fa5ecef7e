#include "tools/screen/t_center.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TCenterTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TCenterTool>();
  return copy;
}

void TCenterTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Center Cursor";
  KindName = "Center Cursor";
  ShortCaption = "Cursor";
  HelpName = "Cursor";
  Configurable = false;
  IconIndex = core::tb_Center;
}

}  // namespace tools
