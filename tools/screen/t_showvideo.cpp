#include "tools/screen/t_showvideo.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TShowVideoTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TShowVideoTool>();
  return copy;
}

void TShowVideoTool::InitDefaults() {
  TShowTool::InitDefaults();
  Description = "Play Movie";
  KindName = "Play Movie";
  ShortCaption = "Play Movie";
  PropertiesCaption = "Movie Properties";
  HelpName = "Movie";
  IconIndex = resources::tb_Video;
}

}  // namespace tools::screen::screen::screen::screen
