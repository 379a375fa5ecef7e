// TConfigTool: brings up the display configuration.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the screen utilities.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TConfigTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TConfigTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
