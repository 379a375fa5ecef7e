// TShapeWindowTool: the spotlight and shape pointers' common base.
// An abstract base: no profile or catalogue creates it. What its kinds share
// beyond these defaults arrives with the shape and spotlight tools.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TShapeWindowTool : public core::TTool {
 public:
  void InitDefaults() override;
};

}  // namespace tools
