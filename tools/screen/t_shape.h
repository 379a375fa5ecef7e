// TShapeTool: a geometric pointer shape.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the shape and spotlight tools.
#pragma once
#include "tools/screen/t_shapewindow.h"

namespace tools {

class TShapeTool : public TShapeWindowTool {
 public:
  std::string_view ClassName() const override { return "TShapeTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
