#include "tools/screen/t_draw.h"

namespace tools::screen {

tool::ToolPtr TDrawTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TDrawTool>();
  return copy;
}

void TDrawTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  PropertiesCaption = "Properties";
  BaseKindName = "Pen/Highlighter";
  HelpName = "Pen";
  HasOwnIcon = true;
  UsesToolWindow = true;
  WindowMode = 1;
  CloseMode = 1;
  MaskColor = 0xFF00FF;
  WheelStepsColor = true;
  PalettesOnArrowKeys(true);
}

}  // namespace tools::screen::screen::screen::screen
