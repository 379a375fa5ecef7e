#include "tools/command/t_keycommand.h"

namespace tools::command {

tool::ToolPtr TKeyCommandTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TKeyCommandTool>();
  auto& to = static_cast<TKeyCommandTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TKeyCommandTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Predefined Keystroke";
  KindName = "Predefined Keystroke";
  ShortCaption = "Keystroke";
  PropertiesCaption = "Key Command Properties";
  HelpName = "Keycmd";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  AllowedEvents[6] = false;  // keystroke events 3100..3867
}

}  // namespace tools::command::command::command::command
