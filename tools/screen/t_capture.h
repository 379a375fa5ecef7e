// TCaptureTool: captures the screen, a window or an area to a picture file.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the image and capture tools.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TCaptureTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TCaptureTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
