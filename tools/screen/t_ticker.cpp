#include "tools/screen/t_ticker.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TTickerTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TTickerTool>();
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
  IconIndex = core::tb_Ticker;
  WarnsVideoFreeze = true;
}

}  // namespace tools
