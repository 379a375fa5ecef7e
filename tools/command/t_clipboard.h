// TClipboardTool: pastes a stored text through the clipboard.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the keystroke, mouse and window commands.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TClipboardTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TClipboardTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
