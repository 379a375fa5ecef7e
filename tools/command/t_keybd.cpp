#include "tools/command/t_keybd.h"

#include "resources/stock_icons.h"

namespace tools::command {

tool::ToolPtr TKeybdTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TKeybdTool>();
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
  IconIndex = resources::tb_Keyboard;
}

}  // namespace tools::command::command::command::command
