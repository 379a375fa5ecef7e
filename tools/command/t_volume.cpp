#include "tools/command/t_volume.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TVolumeTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TVolumeTool>();
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
  IconIndex = core::tb_Volume;
}

}  // namespace tools
