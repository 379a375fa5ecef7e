// TTabBarTool: a floating toolbar whose buttons hold further tools.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the floating toolbars.
#pragma once
#include "core/T_tool.h"

namespace ui {

class TTabBarTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TTabBarTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace ui
