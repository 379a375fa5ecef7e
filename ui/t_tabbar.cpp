#include "ui/t_tabbar.h"

namespace ui {

core::ToolPtr TTabBarTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TTabBarTool>();
  return copy;
}

void TTabBarTool::InitDefaults() {
  Instant = false;  // the toolbar is an active tool
  EndsActiveTool = true;
  ShrinkMediaCenter = true;
  HasOwnIcon = true;
  CloseMode = 0;
  CursorId = 0xFFEB;  // -21: the hand-point cursor
  Description = "Toolbar";
  KindName = "Toolbar";
  ShortCaption = "Toolbar";
  BaseKindName = "Toolbars";
  PropertiesCaption = "Toolbar Properties";
  HelpName = "Toolbar";
  AllowedEvents[11] = false;  // a toolbar button cannot open a toolbar
}

}  // namespace ui
