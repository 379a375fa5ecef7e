#include "tools/command/t_quit.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TQuitTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TQuitTool>();
  return copy;
}

void TQuitTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Quit Application";
  KindName = "Quit Application";
  ShortCaption = "Quit";
  HelpName = "Quit";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  IconIndex = core::tb_Quit;
}

}  // namespace tools
