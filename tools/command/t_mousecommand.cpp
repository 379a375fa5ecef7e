#include "tools/command/t_mousecommand.h"

namespace tools::command {

tool::ToolPtr TMouseCommandTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TMouseCommandTool>();
  auto& to = static_cast<TMouseCommandTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TMouseCommandTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Mouse Action";
  KindName = "Mouse Action";
  ShortCaption = "Mouse Cmd";
  PropertiesCaption = "Mouse Properties";
  HelpName = "Mousecmd";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  // Only device buttons, slide events and the application placeholders may send a click.
  for (std::size_t c = 6; c < AllowedEvents.size(); ++c) AllowedEvents[c] = false;
}

}  // namespace tools::command::command::command::command
