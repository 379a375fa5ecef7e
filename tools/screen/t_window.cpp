#include "tools/screen/t_window.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TWindowTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TWindowTool>();
  return copy;
}

void TWindowTool::InitDefaults() {
  TShapeWindowTool::InitDefaults();
  KindName = "Spotlight";
  PropertiesCaption = "Spotlight Properties";
  HelpName = "Spotlite";
  MenuIconIndex = resources::tb_Spotlight;
}

}  // namespace tools::screen::screen::screen::screen
