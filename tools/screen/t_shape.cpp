#include "tools/screen/t_shape.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TShapeTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TShapeTool>();
  return copy;
}

void TShapeTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Geometric Pointer";
  PropertiesCaption = "Geometric Pointer Properties";
  HelpName = "Shapes";
  MenuIconIndex = resources::tb_Shape;
}

}  // namespace tools::screen::screen::screen::screen
