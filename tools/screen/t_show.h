// TShowTool: the picture and movie kinds' common base.
// An abstract base: no profile or catalogue creates it. What its kinds share
// beyond these defaults arrives with the image and movie tools.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TShowTool : public tool::TTool {
 public:
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
