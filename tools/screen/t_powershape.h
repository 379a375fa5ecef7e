// TPowerShapeTool: a pointer drawn from the slide-show shapes.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the shape and spotlight tools.
#pragma once
#include "tools/screen/t_shapewindow.h"

namespace tools::screen {

class TPowerShapeTool : public TShapeWindowTool {
 public:
  std::string_view ClassName() const override { return "TPowerShapeTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
