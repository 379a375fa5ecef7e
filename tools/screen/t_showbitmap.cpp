#include "tools/screen/t_showbitmap.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TShowBitmapTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TShowBitmapTool>();
  return copy;
}

void TShowBitmapTool::InitDefaults() {
  TShowTool::InitDefaults();
  Description = "Display Image";
  KindName = "Display Image";
  ShortCaption = "Image";
  PropertiesCaption = "Image Properties";
  HelpName = "DImage";
  IconIndex = resources::tb_BMP;
}

}  // namespace tools::screen::screen::screen::screen
