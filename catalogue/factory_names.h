// The factory's name table: every class name a profile may store under "#T"
// that makes a tool, in the factory's order, with the kind it makes.
#pragma once
#include <span>
#include <string_view>

#include "tool/tool_kinds.h"

namespace catalogue {

struct FactoryName {
  std::string_view className;
  tool::ToolMaker make;
};

inline constexpr int FactoryNameCount = 51;
std::span<const FactoryName> FactoryNames();

}  // namespace catalogue
