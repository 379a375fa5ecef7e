#include "tools/screen/t_sorter.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TSorterTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TSorterTool>();
  return copy;
}

void TSorterTool::InitDefaults() {
  Instant = true;
  Description = "Display Page Sorter";
  KindName = "Display Page Sorter";
  ShortCaption = "Sorter";
  Configurable = false;
  RightClickEnds = false;
  EscEnds = false;
  CloseMode = 0;
  IconIndex = resources::tb_Pen;
}

}  // namespace tools::screen::screen::screen::screen
