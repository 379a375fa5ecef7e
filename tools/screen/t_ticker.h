// TTickerTool: a ticker tape across the screen.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the ticker, text stamp and subliminal message.
#pragma once
#include "tool/T_tool.h"

namespace tools::screen {

class TTickerTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TTickerTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
