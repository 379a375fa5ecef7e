#include "tools/screen/t_sprite.h"

#include "resources/stock_icons.h"

namespace tools::screen {

tool::ToolPtr TSpriteTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TSpriteTool>();
  return copy;
}

void TSpriteTool::InitDefaults() {
  ShrinkMediaCenter = true;
  Instant = false;
  EndsActiveTool = true;
  Description = "Clipart Pointer";
  KindName = "Clipart Pointers";
  ShortCaption = "Clipart";
  PropertiesCaption = "Clipart Pointer Properties";
  HelpName = "Clipart";
  HasOwnIcon = true;
  MenuIconIndex = resources::tb_Sprite;
  UsesToolWindow = true;
  CloseMode = 1;
  BufferCount = 1;
  CursorId = 0xFFFF;  // -1: the picture is the pointer
  WarnsVideoFreeze = true;
}

}  // namespace tools::screen::screen::screen::screen
