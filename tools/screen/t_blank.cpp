#include "tools/screen/t_blank.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TBlankTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TBlankTool>();
  return copy;
}

void TBlankTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Hide and Reveal";
  KindName = "Hide and Reveal";
  ShortCaption = "Reveal";
  PropertiesCaption = "Hide and Reveal Properties";
  HelpName = "HideR";
  HasOwnIcon = true;
  UsesToolWindow = true;
  CloseMode = 1;
  BufferCount = 1;
  CursorId = 15;
  MenuIconIndex = resources::tb_Blank;
  WheelStepsColor = true;
  PalettesOnArrowKeys(false);
  WarnsVideoFreeze = true;
}

}  // namespace tools::screen::screen::screen::screen
