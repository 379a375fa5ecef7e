#include "tools/screen/t_screensaver.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TScreenSaverTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TScreenSaverTool>();
  return copy;
}

void TScreenSaverTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "ScreenSaver";
  KindName = "ScreenSaver";
  ShortCaption = "Screen";
  PropertiesCaption = "ScreenSaver Properties";
  HelpName = "Scrnsavr";
  AllowedEvents[8] = false;  // swipes and shakes 3020..3081
  IconIndex = resources::tb_ScreenSaver;
}

}  // namespace tools::screen::screen::screen::screen
