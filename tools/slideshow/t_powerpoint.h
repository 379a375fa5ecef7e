// TPowerpointTool: a command to the running slide show.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the slide-show tracking and commands.
#pragma once
#include <cstdint>

#include "tool/T_tool.h"

namespace tools::slideshow {

class TPowerpointTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TPowerpointTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  std::uint8_t Command = 0;  // 0 none, 1 go to slide, 2 next, 3 previous, 4 first, 5 last, 6 end the show
};

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
