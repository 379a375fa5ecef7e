// TKeystrokeTool: sends a keystroke the user chose.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the keystroke, mouse and window commands.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TKeystrokeTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TKeystrokeTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
