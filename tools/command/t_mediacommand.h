// TMediaCommandTool: a media-player command (play, pause, next track, ...).
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the Media Center, media and browser commands.
#pragma once
#include <cstdint>

#include "tool/T_tool.h"

namespace tools::command {

class TMediaCommandTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TMediaCommandTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  std::uint8_t Command = 0;  // row of the media table, 0..5
};

}  // namespace tools::command::command::command::command
