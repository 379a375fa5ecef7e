#include "tools/screen/t_shape.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TShapeTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TShapeTool>();
  return copy;
}

void TShapeTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Geometric Pointer";
  PropertiesCaption = "Geometric Pointer Properties";
  HelpName = "Shapes";
  MenuIconIndex = core::tb_Shape;
}

}  // namespace tools
