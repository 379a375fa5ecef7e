// TMCECommandTool: a Media Center command.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the Media Center, media and browser commands.
#pragma once
#include <cstdint>

#include "core/T_tool.h"

namespace tools {

class TMCECommandTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TMCECommandTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;

  std::uint8_t Command = 0;  // row of the Media Center table, 0..30
};

}  // namespace tools
