// TKeystrokeTool: sends a keystroke the user chose.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the keystroke, mouse and window commands.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TKeystrokeTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TKeystrokeTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
