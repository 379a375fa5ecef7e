#include "tools/screen/t_shapepp.h"

namespace tools {

core::ToolPtr TShapeppTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TShapeppTool>();
  return copy;
}

void TShapeppTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Powerpointer";
  PropertiesCaption = "Powerpointer Properties";
  HelpName = "PowerPointer";
}

}  // namespace tools
