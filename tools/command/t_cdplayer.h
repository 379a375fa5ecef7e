// TCDPlayerTool: a command to the audio CD player.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "tools/command/t_player.h"

namespace tools::command {

class TCDPlayerTool : public TPlayertool {
 public:
  std::string_view ClassName() const override { return "TCDPlayerTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
