#include "tools/screen/t_wordstamp.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TWordStampTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TWordStampTool>();
  auto& to = static_cast<TWordStampTool&>(*copy);
  to.PowerText = PowerText;
  return copy;
}

void TWordStampTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Text Stamp";
  KindName = "Text Stamp";
  ShortCaption = "Text Stamp";
  PropertiesCaption = "Text Stamp Properties";
  HelpName = "TextStamp";
  UsesToolWindow = true;
  BufferCount = 0;
  CloseMode = 1;
  CursorId = 27;
  IconIndex = resources::tb_Wordstamp;
  WindowMode = 0;
  WarnsVideoFreeze = true;
}

}  // namespace tools::screen::screen::screen::screen
