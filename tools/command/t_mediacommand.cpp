#include "tools/command/t_mediacommand.h"

namespace tools::command {

tool::ToolPtr TMediaCommandTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TMediaCommandTool>();
  auto& to = static_cast<TMediaCommandTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TMediaCommandTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Media Command";
  KindName = "Media Command";
  ShortCaption = "Media";
}

}  // namespace tools::command::command::command::command
