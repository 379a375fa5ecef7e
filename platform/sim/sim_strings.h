// Letter case as Windows ignores it in names: classes, files, mappings, registry keys.
#pragma once
#include <cctype>
#include <string>
#include <string_view>

namespace platform::sim {

inline std::string Lower(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace platform::sim
