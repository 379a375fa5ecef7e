// TWordStampTool: stamps text onto the screen.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the ticker, text stamp and subliminal message.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TWordStampTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TWordStampTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;

  bool PowerText = false;  // the text also goes onto the slide
};

}  // namespace tools
