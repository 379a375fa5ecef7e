#include "tools/screen/t_pen.h"

namespace tools::screen {

tool::ToolPtr TPenTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPenTool>();
  auto& to = static_cast<TPenTool&>(*copy);
  to.InkColor = InkColor;
  to.InkWidth = InkWidth;
  to.Highlight = Highlight;
  to.PowerPen = PowerPen;
  return copy;
}

void TPenTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Pen";
  KindName = "Pen";
  ShortCaption = "Pen";
  PropertiesCaption = "Pen/Highlighter Properties";
  BaseKindName = "Pen/Highlighter";
  HelpName = "Pen";
  HasOwnIcon = true;
  UsesToolWindow = true;
  CloseMode = 1;
  MaskColor = 0xFF00FF;
  WheelStepsColor = true;
  PalettesOnArrowKeys(true);
  WarnsVideoFreeze = true;
  WindowMode = 0;
}

}  // namespace tools::screen::screen::screen::screen
