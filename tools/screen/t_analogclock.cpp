#include "tools/screen/t_analogclock.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TAnalogClockTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TAnalogClockTool>();
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
  IconIndex = core::tb_AnalogClock;
  WheelStepsColor = true;
  PalettesOnArrowKeys(false);
  WarnsVideoFreeze = true;
}

}  // namespace tools
