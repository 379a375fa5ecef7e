#include "tools/command/t_sound.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TSoundTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TSoundTool>();
  return copy;
}

void TSoundTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = false;
  Description = "Play Sound";
  KindName = "Play Sound";
  ShortCaption = "Music";
  HelpName = "Sound";
  IconIndex = resources::tb_Sound;
}

}  // namespace tools::command::command::command::command
