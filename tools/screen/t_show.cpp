#include "tools/screen/t_show.h"

namespace tools::screen {

void TShowTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  RightClickEnds = true;
  EscEnds = true;
  UsesToolWindow = true;
  CloseMode = 1;
  BufferCount = 1;
  CursorId = 15;
  HasPreview = true;
  WarnsVideoFreeze = true;
  AllowedEvents[15] = true;  // pictures may sit on drawing-board pages
}

}  // namespace tools::screen::screen::screen::screen
