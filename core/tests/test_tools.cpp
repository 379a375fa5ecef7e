#include "core/tests/test_tools.h"

#include "core/tool_kinds.h"

namespace core_tests {

std::vector<std::string>& ToolLog() {
  static std::vector<std::string> log;
  return log;
}

core::ToolPtr TLogTool::Clone() const {
  core::ToolPtr t = core::MakeTool<TLogTool>();
  auto& c = static_cast<TLogTool&>(*t);
  c.mode = mode;
  c.size = size;
  c.color = color;
  c.flag = flag;
  c.text = text;
  c.font = font;
  return t;
}

void TLogTool::SaveSettings(core::TXRLIniFile&) {
  SaveByte("M", mode);
  SaveValue("S", size);
  SaveValue("C", color);
  SaveFlag("F", flag);
  SaveText("T", text);
  SaveFont("FN", font);
}

void TLogTool::LoadSettings(core::TXRLIniFile&) {
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
class THelpStandIn : public core::TBasicTool {
 public:
  std::string_view ClassName() const override { return "THelpTool"; }
  core::ToolPtr Clone() const override { return core::MakeTool<THelpStandIn>(); }
};
class TConfigStandIn : public core::TBasicTool {
 public:
  std::string_view ClassName() const override { return "TConfigTool"; }
  core::ToolPtr Clone() const override { return core::MakeTool<TConfigStandIn>(); }
};
}  // namespace

void RegisterTestKinds() {
  core::RegisterToolKind("TLogTool", [] { return core::MakeTool<TLogTool>(); });
  core::RegisterToolKind("THelpTool", [] { return core::MakeTool<THelpStandIn>(); });
  core::RegisterToolKind("TConfigTool", [] { return core::MakeTool<TConfigStandIn>(); });
}

}  // namespace core_tests
