// TConfigTool: brings up the display configuration.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the screen utilities.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TConfigTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TConfigTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
