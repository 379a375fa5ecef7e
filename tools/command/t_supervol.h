// TSuperVolTool: sets the volume by moving the mouse while a device button is held.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the volume, sound and disc playback.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TSuperVolTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TSuperVolTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::command::command::command::command
