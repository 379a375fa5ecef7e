#include "tools/command/t_browser.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TBrowserTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TBrowserTool>();
  auto& to = static_cast<TBrowserTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TBrowserTool::InitDefaults() {
  Instant = false;
  ShrinkMediaCenter = true;
  EndsActiveTool = true;
  Description = "Browser Command";
  KindName = "Browser Command";
  ShortCaption = "Browser";
  PropertiesCaption = "Browser Command Properties";
  HelpName = "Browser";
  RightClickEnds = false;
  EscEnds = false;
  AllowedEvents[6] = false;  // keystroke events 3100..3867
  IconIndex = resources::tb_Browser_Activate;
}

}  // namespace tools::command::command::command::command
