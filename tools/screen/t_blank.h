// TBlankTool: hide and reveal: a cover over the screen that the presenter opens.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with hide and reveal.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TBlankTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TBlankTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
