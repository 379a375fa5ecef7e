// TChangeConfigTool: switches to another profile.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the launch, profile-change and other simple tools.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TChangeConfigTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TChangeConfigTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
