// TPlayertool: a command to the CD and DVD player.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TPlayertool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TPlayertool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
