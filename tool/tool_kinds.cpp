#include "tool/tool_kinds.h"

#include <map>
#include <string>

#include "base/strings.h"
#include "tool/tool_state.h"

namespace tool {

void RegisterToolKind(std::string_view className, ToolMaker maker) {
  State().kinds[base::LowerCase(className)] = {std::string(className), maker};
}

ToolPtr CreateToolByName(std::string_view className) {
  auto& kinds = State().kinds;
  auto it = kinds.find(base::LowerCase(className));
  if (it == kinds.end()) return nullptr;
  return it->second.second();
}

std::vector<std::string_view> RegisteredToolKinds() {
  std::vector<std::string_view> out;
  for (auto& [key, kind] : State().kinds) out.push_back(kind.first);
  return out;
}

}  // namespace tool
