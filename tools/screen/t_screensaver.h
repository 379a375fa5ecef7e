// TScreenSaverTool: starts a screen saver.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the screen utilities.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TScreenSaverTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TScreenSaverTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
