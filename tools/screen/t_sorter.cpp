#include "tools/screen/t_sorter.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TSorterTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TSorterTool>();
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
  IconIndex = core::tb_Pen;
}

}  // namespace tools
