#include "tools/screen/t_showvideo.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TShowVideoTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TShowVideoTool>();
  return copy;
}

void TShowVideoTool::InitDefaults() {
  TShowTool::InitDefaults();
  Description = "Play Movie";
  KindName = "Play Movie";
  ShortCaption = "Play Movie";
  PropertiesCaption = "Movie Properties";
  HelpName = "Movie";
  IconIndex = core::tb_Video;
}

}  // namespace tools
