// TPPRunToggleTool: the slide-show command "Start-Stop Slideshow".
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the slide-show tracking and commands.
#pragma once
#include "core/T_tool.h"

namespace input {

class TPPRunToggleTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TPPRunToggleTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace input
