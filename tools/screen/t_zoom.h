// TZoomTool: magnifies the screen around the mouse.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the zoom.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TZoomTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TZoomTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
