// TAnalogClockTool: an analog clock over the screen.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the clocks and timers.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TAnalogClockTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TAnalogClockTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
