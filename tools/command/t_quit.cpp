#include "tools/command/t_quit.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TQuitTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TQuitTool>();
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
  IconIndex = resources::tb_Quit;
}

}  // namespace tools::command::command::command::command
