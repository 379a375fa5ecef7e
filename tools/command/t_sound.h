// TSoundTool: plays or stops a sound file.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TSoundTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TSoundTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
