// TClearTool: clears what the tools left on the screen.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the screen utilities.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TClearTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TClearTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
