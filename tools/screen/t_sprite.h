// TSpriteTool: clip-art pointers that follow the mouse.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the pointers.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TSpriteTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TSpriteTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
