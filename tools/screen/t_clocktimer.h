// TClockTimerTool: a digital clock or a countdown timer over the screen.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the clocks and timers.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TClockTimerTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TClockTimerTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
  void ApplySettings() override;

  int ClockMode = 1;  // 0 digital clock, 1 countdown timer
};

}  // namespace tools::screen::screen::screen::screen
