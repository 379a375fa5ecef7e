// TprogTool: launches a program or opens a document.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the launch, profile-change and other simple tools.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TprogTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TprogTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
