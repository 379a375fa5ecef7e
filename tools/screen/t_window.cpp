#include "tools/screen/t_window.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TWindowTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TWindowTool>();
  return copy;
}

void TWindowTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Spotlight";
  PropertiesCaption = "Spotlight Properties";
  HelpName = "Spotlite";
  MenuIconIndex = core::tb_Spotlight;
}

}  // namespace tools
