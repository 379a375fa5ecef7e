#include "tools/slideshow/t_ppwhite.h"

#include "resources/stock_icons.h"

namespace tools::slideshow {

tool::ToolPtr TPPWhiteTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPPWhiteTool>();
  return copy;
}

void TPPWhiteTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "White Screen";
  KindName = "White Screen";
  ShortCaption = "White";
  HelpName = "PPWhite";
  IconIndex = resources::tb_Powerpoint_White;
}

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
