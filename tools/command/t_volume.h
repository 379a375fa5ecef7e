// TVolumeTool: raises, lowers or mutes the sound volume.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TVolumeTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TVolumeTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;

  int VolumeCommand = 0;  // 0 increase, 1 decrease, 2 mute
};

}  // namespace tools
