#include "tools/command/t_keybd.h"

#include "core/stock_icons.h"

namespace tools {

core::ToolPtr TKeybdTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TKeybdTool>();
  auto& to = static_cast<TKeybdTool&>(*copy);
  to.KeyboardType = KeyboardType;
  to.DisplayKeystrokes = DisplayKeystrokes;
  to.ButtonSize = ButtonSize;
  return copy;
}

void TKeybdTool::InitDefaults() {
  Instant = false;
  ShrinkMediaCenter = true;
  Configurable = true;
  RightClickEnds = false;
  EscEnds = false;
  CloseMode = 0;
  Description = "Keyboard";
  KindName = "Keyboard";
  ShortCaption = "Keyboard";
  HelpName = "Keyboard";
  IconIndex = core::tb_Keyboard;
}

}  // namespace tools
