// TShowVideoTool: plays a movie.
// Its identity is all it has yet: its settings, properties dialog and
// behaviour arrive with the image and movie tools.
#pragma once
#include "tools/screen/t_show.h"

namespace tools::screen {

class TShowVideoTool : public TShowTool {
 public:
  std::string_view ClassName() const override { return "TShowVideoTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;
};

}  // namespace tools::screen::screen::screen::screen
