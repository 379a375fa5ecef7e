// TPPBlackTool: the slide-show command "Black Screen".
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the slide-show tracking and commands.
#pragma once
#include "tool/T_tool.h"

namespace tools::slideshow {

class TPPBlackTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TPPBlackTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::slideshow::slideshow::slideshow::slideshow
