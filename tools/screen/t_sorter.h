// TSorterTool: opens the page sorter of the drawing board.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the drawing board.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TSorterTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TSorterTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
