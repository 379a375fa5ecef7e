#include "tools/screen/t_sublim.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TSublimTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TSublimTool>();
  return copy;
}

void TSublimTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = true;
  EndsActiveTool = true;
  Description = "Subliminal Message";
  KindName = "Subliminal Message";
  ShortCaption = "Sub. Msg";
  PropertiesCaption = "Subliminal Message Properties";
  HelpName = "Sublim";
  UsesToolWindow = false;
  CursorId = 15;
  IconIndex = core::tb_Sublim;
}

}  // namespace tools
