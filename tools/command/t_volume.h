// TVolumeTool: raises, lowers or mutes the sound volume.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TVolumeTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TVolumeTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  int VolumeCommand = 0;  // 0 increase, 1 decrease, 2 mute
};

}  // namespace tools::command::command::command::command
