// TPenTool: pen and highlighter strokes over a frozen screen.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the pen and highlighter.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TPenTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TPenTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  tool::TColor InkColor = 0x0000FF;  // stroke colour, red
  int InkWidth = 5;  // stroke width in pixels
  bool Highlight = false;  // highlighter (transparent ink)
  bool PowerPen = false;  // strokes also go onto the slide
};

}  // namespace tools::screen::screen::screen::screen
