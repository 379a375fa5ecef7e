#include "tools/screen/t_analogclock.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TAnalogClockTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TAnalogClockTool>();
  return copy;
}

void TAnalogClockTool::InitDefaults() {
  Instant = false;
  EndsActiveTool = true;
  Description = "Analog Clock";
  KindName = "Analog Clock";
  ShortCaption = "Clock";
  PropertiesCaption = "Analog Clock Properties";
  HelpName = "AClock";
  UsesToolWindow = true;
  CloseMode = 1;
  CursorId = 0xFFFF;  // -1: no cursor
  IconIndex = resources::tb_AnalogClock;
  WheelStepsColor = true;
  PalettesOnArrowKeys(false);
  WarnsVideoFreeze = true;
}

}  // namespace tools::screen::screen::screen::screen
