// TTickerTool: a ticker tape across the screen.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the ticker, text stamp and subliminal message.
#pragma once
#include "core/T_tool.h"

namespace tools {

class TTickerTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TTickerTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools
