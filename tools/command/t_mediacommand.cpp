#include "tools/command/t_mediacommand.h"

namespace tools {

core::ToolPtr TMediaCommandTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TMediaCommandTool>();
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

}  // namespace tools
