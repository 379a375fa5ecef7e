// TSpriteTool: clip-art pointers that follow the mouse.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the pointers.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TSpriteTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TSpriteTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
