#include "tools/command/t_volume.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TVolumeTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TVolumeTool>();
  auto& to = static_cast<TVolumeTool&>(*copy);
  to.VolumeCommand = VolumeCommand;
  return copy;
}

void TVolumeTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Increase Volume";
  KindName = "Increase Volume";
  ShortCaption = "Vol Up";
  HelpName = "Volume";
  IconIndex = resources::tb_Volume;
}

}  // namespace tools::command::command::command::command
