#include "tools/screen/t_shapewindow.h"

namespace tools::screen {

void TShapeWindowTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Spotlight";
  ShortCaption = "Spotlight";
  HelpName = "Spotlight";
  HasOwnIcon = true;
  UsesToolWindow = true;
  CloseMode = 1;
  BufferCount = 2;
  CursorId = 0xFFFF;  // -1: no cursor over the tool window
  WheelStepsColor = true;
  PalettesOnArrowKeys(false);
  WarnsVideoFreeze = true;
}

}  // namespace tools::screen::screen::screen::screen
