#include "tools/command/t_prog.h"

namespace tools {

core::ToolPtr TprogTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TprogTool>();
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

}  // namespace tools
