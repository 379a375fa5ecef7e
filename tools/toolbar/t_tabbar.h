// TTabBarTool: a floating toolbar whose buttons hold further tools.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the floating toolbars.
#pragma once
#include "tool/T_tool.h"

namespace tools::toolbar {

class TTabBarTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TTabBarTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::toolbar::toolbar::toolbar::toolbar
