// TAnalogClockTool: an analog clock over the screen.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the clocks and timers.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TAnalogClockTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TAnalogClockTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
