#include "input/t_ppwhite.h"

#include "core/stock_icons.h"

namespace input {

core::ToolPtr TPPWhiteTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TPPWhiteTool>();
  return copy;
}

void TPPWhiteTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "White Screen";
  KindName = "White Screen";
  ShortCaption = "White";
  HelpName = "PPWhite";
  IconIndex = core::tb_Powerpoint_White;
}

}  // namespace input
