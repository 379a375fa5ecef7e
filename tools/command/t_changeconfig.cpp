#include "tools/command/t_changeconfig.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TChangeConfigTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TChangeConfigTool>();
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
  IconIndex = resources::tb_Profile;
  MenuIconIndex = resources::tb_Profile;
}

}  // namespace tools::command::command::command::command
