// Creating a tool from the class name a profile stores under "#T". Each kind
// registers itself here; the catalogue's CreateByName answers from this table.
#pragma once
#include <string_view>
#include <vector>

#include "tool/T_tool.h"

namespace tool {

using ToolMaker = ToolPtr (*)();

void RegisterToolKind(std::string_view className, ToolMaker maker);
// A new tool of the kind whose class name equals the given one without case, or none.
ToolPtr CreateToolByName(std::string_view className);
std::vector<std::string_view> RegisteredToolKinds();

}  // namespace tool
