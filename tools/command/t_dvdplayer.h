// TDVDPlayerTool: a command to the DVD player.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "tools/command/t_player.h"

namespace tools::command {

class TDVDPlayerTool : public TPlayertool {
 public:
  std::string_view ClassName() const override { return "TDVDPlayerTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
