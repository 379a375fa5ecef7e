#include "tools/screen/t_powershape.h"

namespace tools::screen {

tool::ToolPtr TPowerShapeTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPowerShapeTool>();
  return copy;
}

void TPowerShapeTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Powershape";
  PropertiesCaption = "Powershape Properties";
  HelpName = "Powershape";
}

}  // namespace tools::screen::screen::screen::screen
