#include "tools/screen/t_ticker.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TTickerTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TTickerTool>();
  return copy;
}

void TTickerTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Ticker Tape";
  KindName = "Ticker Tape";
  ShortCaption = "Ticker";
  PropertiesCaption = "Ticker Tape Properties";
  HelpName = "Ticker";
  UsesToolWindow = true;
  CloseMode = 1;
  BufferCount = 2;
  CursorId = 15;
  IconIndex = resources::tb_Ticker;
  WarnsVideoFreeze = true;
}

}  // namespace tools::screen::screen::screen::screen
