// TWindowTool: a spotlight that follows the mouse.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the shape and spotlight tools.
#pragma once
#include "tools/screen/t_shapewindow.h"

namespace tools::screen {

class TWindowTool : public TShapeWindowTool {
 public:
  std::string_view ClassName() const override { return "TWindowTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
