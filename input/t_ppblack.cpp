#include "input/t_ppblack.h"

#include "core/stock_icons.h"

namespace input {

core::ToolPtr TPPBlackTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TPPBlackTool>();
  return copy;
}

void TPPBlackTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Black Screen";
  KindName = "Black Screen";
  ShortCaption = "Black";
  HelpName = "PPBlack";
  IconIndex = core::tb_Powerpoint_Black;
}

}  // namespace input
