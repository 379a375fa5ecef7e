#include "tools/screen/t_powershape.h"

namespace tools {

core::ToolPtr TPowerShapeTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TPowerShapeTool>();
  return copy;
}

void TPowerShapeTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Powershape";
  PropertiesCaption = "Powershape Properties";
  HelpName = "Powershape";
}

}  // namespace tools
