// TDBTool: a command of the drawing board (new page, next, print, ...).
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the drawing board.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TDBTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TDBTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
