#include "platform/sim/sim_trace.h"

#include <cstdio>

namespace platform::sim {

void Trace::Add(std::string_view category, std::string_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%7llu ", static_cast<unsigned long long>(elapsed_ ? *elapsed_ : 0));
  std::string line = stamp;
  line.append(category);
  line.push_back(' ');
  line.append(text);
  if (echo_) std::printf("%s\n", line.c_str());
  lines_.push_back(std::move(line));
}

std::vector<std::string> Trace::Of(std::string_view category) const {
  std::vector<std::string> out;
  for (const auto& line : lines_) {
    std::string_view rest = std::string_view(line).substr(8);
    if (rest.size() > category.size() && rest.substr(0, category.size()) == category &&
        rest[category.size()] == ' ')
      out.emplace_back(rest.substr(category.size() + 1));
  }
  return out;
}

std::string_view Trace::Body(std::string_view line) {
  std::size_t i = line.find_first_not_of(' ');
  if (i == std::string_view::npos) return {};
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i < line.size() && line[i] == ' ') ++i;
  return line.substr(i);
}

bool Trace::Contains(std::string_view needle) const {
  for (const auto& line : lines_)
    if (line.find(needle) != std::string::npos) return true;
  return false;
}

}  // namespace platform::sim
