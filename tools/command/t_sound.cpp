#include "tools/command/t_sound.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TSoundTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TSoundTool>();
  return copy;
}

void TSoundTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = false;
  Description = "Play Sound";
  KindName = "Play Sound";
  ShortCaption = "Music";
  HelpName = "Sound";
  IconIndex = core::tb_Sound;
}

}  // namespace tools
