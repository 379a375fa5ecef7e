#include "tools/command/t_changeconfig.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TChangeConfigTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TChangeConfigTool>();
  return copy;
}

void TChangeConfigTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Change Profile";
  KindName = "Change Profile";
  ShortCaption = "Profile";
  PropertiesCaption = "Change Profile Properties";
  HelpName = "ChgConfig";
  RightClickEnds = false;
  EscEnds = false;
  IconIndex = core::tb_Profile;
  MenuIconIndex = core::tb_Profile;
}

}  // namespace tools
