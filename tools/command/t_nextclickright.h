// TNextClickRightTool: makes the next click a right click.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the keystroke, mouse and window commands.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TNextClickRightTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TNextClickRightTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
