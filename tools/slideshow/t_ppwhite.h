// TPPWhiteTool: the slide-show command "White Screen".
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the slide-show tracking and commands.
#pragma once
#include "tool/T_tool.h"

namespace tools::slideshow {

class TPPWhiteTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TPPWhiteTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
