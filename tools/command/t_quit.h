// TQuitTool: ends the program.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the launch, profile-change and other simple tools.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TQuitTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TQuitTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
