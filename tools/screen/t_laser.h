// TLaserTool: the laser pointer, a clip-art pointer with a fixed picture.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the pointers.
#pragma once
#include "tools/screen/t_sprite.h"

namespace tools::screen {

class TLaserTool : public TSpriteTool {
 public:
  std::string_view ClassName() const override { return "TLaserTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
