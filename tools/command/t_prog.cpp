#include "tools/command/t_prog.h"

namespace tools::command {

tool::ToolPtr TprogTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TprogTool>();
  return copy;
}

void TprogTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Launch Program";
  KindName = "Launch Program";
  ShortCaption = "Launch";
  HelpName = "RunProg";
  HasOwnIcon = true;
}

}  // namespace tools::command::command::command::command
