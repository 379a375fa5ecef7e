#include "tools/slideshow/t_ppblack.h"

#include "resources/stock_icons.h"

namespace tools::slideshow {

tool::ToolPtr TPPBlackTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPPBlackTool>();
  return copy;
}

void TPPBlackTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Black Screen";
  KindName = "Black Screen";
  ShortCaption = "Black";
  HelpName = "PPBlack";
  IconIndex = resources::tb_Powerpoint_Black;
}

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
