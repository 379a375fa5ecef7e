#include "tools/screen/t_laser.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TLaserTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TLaserTool>();
  return copy;
}

void TLaserTool::InitDefaults() {
  TSpriteTool::InitDefaults();
  Description = "Laser";
  KindName = "Laser";
  ShortCaption = "Laser";
  HelpName = "Laser";
  Configurable = false;
  HasOwnIcon = false;
  IconIndex = core::tb_Laser;
  MenuIconIndex = core::tb_Laser;
}

}  // namespace tools
