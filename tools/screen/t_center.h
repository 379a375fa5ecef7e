// TCenterTool: moves the cursor to the centre of the screen.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the screen utilities.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TCenterTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TCenterTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
