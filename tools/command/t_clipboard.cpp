#include "tools/command/t_clipboard.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TClipboardTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TClipboardTool>();
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
  IconIndex = core::tb_Clipboard;
}

}  // namespace tools
