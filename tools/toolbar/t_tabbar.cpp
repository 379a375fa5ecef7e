#include "tools/toolbar/t_tabbar.h"

namespace tools::toolbar {

tool::ToolPtr TTabBarTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TTabBarTool>();
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

}  // namespace tools::toolbar::toolbar::toolbar::toolbar
