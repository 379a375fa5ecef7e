#include "tools/screen/t_center.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TCenterTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TCenterTool>();
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
  IconIndex = resources::tb_Center;
}

}  // namespace tools::screen::screen::screen::screen
