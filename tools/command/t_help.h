// THelpTool: opens the help.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the launch, profile-change and other simple tools.
#pragma once
#include "core/T_tool.h"

namespace tools {

class THelpTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "THelpTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
