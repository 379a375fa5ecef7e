// TDBTool: a command of the drawing board (new page, next, print, ...).
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the drawing board.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TDBTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TDBTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
