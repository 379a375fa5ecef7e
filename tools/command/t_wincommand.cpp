#include "tools/command/t_wincommand.h"

namespace tools::command {

tool::ToolPtr TWinCommandTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TWinCommandTool>();
  auto& to = static_cast<TWinCommandTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TWinCommandTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Windows Command";
  KindName = "Windows Command";
  ShortCaption = "Windows";
  PropertiesCaption = "Windows Command Properties";
  HelpName = "Wincmd";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  AllowedEvents[6] = false;  // keystroke events 3100..3867
}

}  // namespace tools::command::command::command::command
