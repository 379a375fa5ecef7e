// TMouseCommandTool: sends a mouse click or double click.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the keystroke, mouse and window commands.
#pragma once
#include <cstdint>

#include "tool/T_tool.h"

namespace tools::command {

class TMouseCommandTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TMouseCommandTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  std::uint8_t Command = 0;  // row of the mouse command table, 0..5
};

}  // namespace tools::command::command::command::command
