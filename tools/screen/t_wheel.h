// TWheelTool: turns relative mouse motion into wheel steps.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the pointers.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TWheelTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TWheelTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
