// TPPBlackTool: the slide-show command "Black Screen".
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the slide-show tracking and commands.
#pragma once
#include "core/T_tool.h"

namespace input {

class TPPBlackTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TPPBlackTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace input
