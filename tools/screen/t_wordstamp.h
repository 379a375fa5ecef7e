// TWordStampTool: stamps text onto the screen.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the ticker, text stamp and subliminal message.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TWordStampTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TWordStampTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  bool PowerText = false;  // the text also goes onto the slide
};

}  // namespace tools::screen::screen::screen::screen
