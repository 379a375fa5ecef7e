#include "tool/tool_kinds.h"

#include <map>
#include <string>

#include "base/strings.h"

namespace tool {
namespace {

struct KindTable {
  std::map<std::string, std::pair<std::string, ToolMaker>> byLowerName;
  KindTable() {
    byLowerName["tbasictool"] = {"TBasicTool", [] { return MakeTool<TBasicTool>(); }};
    byLowerName["tdummytool"] = {"TDummyTool", [] { return MakeTool<TDummyTool>(); }};
  }
};

KindTable& Table() {
  static KindTable table;
  return table;
}

}  // namespace

void RegisterToolKind(std::string_view className, ToolMaker maker) {
  Table().byLowerName[base::LowerCase(className)] = {std::string(className), maker};
}

ToolPtr CreateToolByName(std::string_view className) {
  auto& t = Table().byLowerName;
  auto it = t.find(base::LowerCase(className));
  if (it == t.end()) return nullptr;
  return it->second.second();
}

std::vector<std::string_view> RegisteredToolKinds() {
  std::vector<std::string_view> out;
  for (auto& [k, v] : Table().byLowerName) out.push_back(v.first);
  return out;
}

}  // namespace tool
