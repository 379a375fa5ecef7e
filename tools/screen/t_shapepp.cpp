#include "tools/screen/t_shapepp.h"

namespace tools::screen {

tool::ToolPtr TShapeppTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TShapeppTool>();
  return copy;
}

void TShapeppTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Powerpointer";
  PropertiesCaption = "Powerpointer Properties";
  HelpName = "PowerPointer";
}

}  // namespace tools::screen::screen::screen::screen
