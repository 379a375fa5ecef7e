// TSublimTool: flashes a subliminal message.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the ticker, text stamp and subliminal message.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TSublimTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TSublimTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
