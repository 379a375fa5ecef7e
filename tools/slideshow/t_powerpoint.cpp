#include "tools/slideshow/t_powerpoint.h"

namespace tools::slideshow {

tool::ToolPtr TPowerpointTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TPowerpointTool>();
  auto& to = static_cast<TPowerpointTool&>(*copy);
  to.Command = Command;
  return copy;
}

void TPowerpointTool::InitDefaults() {
  Instant = true;
  ShrinkMediaCenter = true;
  EndsActiveTool = true;
  Description = "Powerpoint Command";
  KindName = "Powerpoint Command";
  BaseKindName = "Powerpoint Command";
  ShortCaption = "Powerpoint";
  PropertiesCaption = "Powerpoint Command Properties";
  HelpName = "PPCommand";
  Configurable = true;
  HasOwnIcon = true;
  MaskColor = 0xFF00FF;
}

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
