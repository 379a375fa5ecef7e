// TDrawTool: draws on the pages of the drawing board.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the drawing board.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TDrawTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TDrawTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
