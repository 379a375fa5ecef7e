#include "tools/command/t_clipboard.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TClipboardTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TClipboardTool>();
  return copy;
}

void TClipboardTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Clipboard";
  KindName = "Clipboard";
  ShortCaption = "Clipboard";
  PropertiesCaption = "Clipboard Properties";
  HelpName = "Clipboard";
  IconIndex = resources::tb_Clipboard;
}

}  // namespace tools::command::command::command::command
