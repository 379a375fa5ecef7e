// TWinCommandTool: a window command to the program in front.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the keystroke, mouse and window commands.
#pragma once
#include <cstdint>

#include "tool/T_tool.h"

namespace tools::command {

class TWinCommandTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TWinCommandTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  std::uint8_t Command = 0;  // row of the window command table, 0..16
};

}  // namespace tools::command::command::command::command
