// TWheelTool: turns relative mouse motion into wheel steps.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the pointers.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TWheelTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TWheelTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
