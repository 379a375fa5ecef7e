#include "tools/screen/t_dbtool.h"

namespace tools::screen {

tool::ToolPtr TDBTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TDBTool>();
  return copy;
}

void TDBTool::InitDefaults() {
  Instant = true;
  ShrinkMediaCenter = true;
  EndsActiveTool = true;
  Description = "Drawingboard Tool";
  KindName = "DB Tool";
  ShortCaption = "DBTool";
  HelpName = "pen";
  HasOwnIcon = true;
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  MaskColor = 0xFF00FF;
  WindowMode = 1;
}

}  // namespace tools::screen::screen::screen::screen
