#include "tools/screen/t_clocktimer.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TClockTimerTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TClockTimerTool>();
  auto& to = static_cast<TClockTimerTool&>(*copy);
  to.ClockMode = ClockMode;
  return copy;
}

void TClockTimerTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Timer";
  KindName = "Timer";
  ShortCaption = "Timer";
  PropertiesCaption = "Clock/Timer Properties";
  HelpName = "Timer";
  UsesToolWindow = true;
  CloseMode = 1;
  BufferCount = 2;
  CursorId = 15;
  IconIndex = resources::tb_Timer;
  WheelStepsColor = true;
  PalettesOnArrowKeys(false);
  WarnsVideoFreeze = true;
}

// The mode decides which of the two kinds the presenter sees.
void TClockTimerTool::ApplySettings() {
  if (ClockMode == 1) {
    Description = KindName = BaseKindName = "Countdown Timer";
    ShortCaption = "Timer";
    HelpName = "Timer";
    IconIndex = resources::tb_Timer;
  } else {
    Description = KindName = BaseKindName = "Digital Clock";
    ShortCaption = "Clock";
    HelpName = "DClock";
    IconIndex = resources::tb_Clock;
  }
}

}  // namespace tools::screen::screen::screen::screen
