// TCaptureTool: captures the screen, a window or an area to a picture file.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the image and capture tools.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TCaptureTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TCaptureTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
