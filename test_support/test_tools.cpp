#include "test_support/test_tools.h"

#include "tool/tool_kinds.h"

namespace test_support {

std::vector<std::string>& ToolLog() {
  static std::vector<std::string> log;
  return log;
}

tool::ToolPtr TLogTool::Clone() const {
  tool::ToolPtr t = tool::MakeTool<TLogTool>();
  auto& c = static_cast<TLogTool&>(*t);
  c.mode = mode;
  c.size = size;
  c.color = color;
  c.flag = flag;
  c.text = text;
  c.font = font;
  return t;
}

void TLogTool::SaveSettings(store::TXRLIniFile&) {
  SaveByte("M", mode);
  SaveValue("S", size);
  SaveValue("C", color);
  SaveFlag("F", flag);
  SaveText("T", text);
  SaveFont("FN", font);
}

void TLogTool::LoadSettings(store::TXRLIniFile&) {
  LoadByteMax("M", 3, mode);
  LoadRange("S", 100, 1, size);
  LoadValue("C", color);
  LoadFlag("F", flag);
  LoadText("T", text);
  LoadFont("FN", font);
}

namespace {
// The fixed tools of codes 37 and 38 come with the catalogue; these stand in
// with the same class names so the profile's re-binding can be seen.
class THelpStandIn : public tool::TBasicTool {
 public:
  std::string_view ClassName() const override { return "THelpTool"; }
  tool::ToolPtr Clone() const override { return tool::MakeTool<THelpStandIn>(); }
};
class TConfigStandIn : public tool::TBasicTool {
 public:
  std::string_view ClassName() const override { return "TConfigTool"; }
  tool::ToolPtr Clone() const override { return tool::MakeTool<TConfigStandIn>(); }
};
}  // namespace

void RegisterTestKinds() {
  tool::RegisterToolKind("TLogTool", [] { return tool::MakeTool<TLogTool>(); });
  tool::RegisterToolKind("THelpTool", [] { return tool::MakeTool<THelpStandIn>(); });
  tool::RegisterToolKind("TConfigTool", [] { return tool::MakeTool<TConfigStandIn>(); });
}

}  // namespace test_support
