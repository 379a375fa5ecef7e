// TShapeWindowTool: the spotlight and shape pointers' common base.
// An abstract base: no profile or catalogue creates it. What its kinds share
// beyond these defaults arrives with the shape and spotlight tools.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TShapeWindowTool : public tool::TTool {
 public:
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
