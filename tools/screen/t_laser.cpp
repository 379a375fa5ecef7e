#include "tools/screen/t_laser.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TLaserTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TLaserTool>();
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
  IconIndex = resources::tb_Laser;
  MenuIconIndex = resources::tb_Laser;
}

}  // namespace tools::screen::screen::screen::screen
