#include "tools/slideshow/t_ppruntoggle.h"

#include "resources/stock_icons.h"

namespace tools::slideshow {

tool::ToolPtr TPPRunToggleTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPPRunToggleTool>();
  return copy;
}

void TPPRunToggleTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Start-Stop Slideshow";
  KindName = "Start-Stop Slideshow";
  ShortCaption = "Start-Stop";
  HelpName = "PPRunToggle";
  IconIndex = resources::tb_Powerpoint_RunToggle;
}

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
