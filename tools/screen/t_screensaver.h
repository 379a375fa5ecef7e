// TScreenSaverTool: starts a screen saver.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the screen utilities.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TScreenSaverTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TScreenSaverTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
