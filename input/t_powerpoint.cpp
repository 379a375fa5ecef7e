#include "input/t_powerpoint.h"

namespace input {

core::ToolPtr TPowerpointTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TPowerpointTool>();
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

}  // namespace input
