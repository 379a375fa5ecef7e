#include "tools/screen/t_showbitmap.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TShowBitmapTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TShowBitmapTool>();
  return copy;
}

void TShowBitmapTool::InitDefaults() {
  TShowTool::InitDefaults();
  Description = "Display Image";
  KindName = "Display Image";
  ShortCaption = "Image";
  PropertiesCaption = "Image Properties";
  HelpName = "DImage";
  IconIndex = core::tb_BMP;
}

}  // namespace tools
