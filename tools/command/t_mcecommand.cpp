#include "tools/command/t_mcecommand.h"

namespace tools::command {

tool::ToolPtr TMCECommandTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TMCECommandTool>();
  auto& to = static_cast<TMCECommandTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TMCECommandTool::InitDefaults() {
  Instant = true;
  HoldToRun = false;
  EndsActiveTool = true;
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  Description = "Windows Command";
  KindName = "Windows Command";
  ShortCaption = "Windows";
  PropertiesCaption = "Windows Command Properties";
  HelpName = "Wincmd";
}

}  // namespace tools::command::command::command::command
