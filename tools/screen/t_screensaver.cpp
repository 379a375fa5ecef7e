#include "tools/screen/t_screensaver.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TScreenSaverTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TScreenSaverTool>();
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
  IconIndex = core::tb_ScreenSaver;
}

}  // namespace tools
