// TZoomTool: magnifies the screen around the mouse.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the zoom.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TZoomTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TZoomTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
