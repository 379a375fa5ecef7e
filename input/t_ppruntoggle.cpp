#include "input/t_ppruntoggle.h"

#include "core/stock_icons.h"

namespace input {

core::ToolPtr TPPRunToggleTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TPPRunToggleTool>();
  return copy;
}

void TPPRunToggleTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Start-Stop Slideshow";
  KindName = "Start-Stop Slideshow";
  ShortCaption = "Start-Stop";
  HelpName = "PPRunToggle";
  IconIndex = core::tb_Powerpoint_RunToggle;
}

}  // namespace input
