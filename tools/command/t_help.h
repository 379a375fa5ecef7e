// THelpTool: opens the help.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the launch, profile-change and other simple tools.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class THelpTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "THelpTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
