#include "platform/win32/win32_logic.h"

#include "base/strings.h"

namespace platform::win32 {
namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> out;
  std::size_t i = 0;
  auto blank = [&](std::size_t k) { return static_cast<unsigned char>(line[k]) <= ' '; };
  for (;;) {
    while (i < line.size() && blank(i)) ++i;
    if (i >= line.size()) break;
    std::string arg;
    while (i < line.size() && !blank(i)) {
      if (line[i] == '"') {
        ++i;
        while (i < line.size() && line[i] != '"') arg += line[i++];
        if (i < line.size()) ++i;
      } else {
        arg += line[i++];
      }
    }
    out.push_back(std::move(arg));
  }
  return out;
}

double DaysSince1899(std::uint64_t fileTime) {
  // 1601-01-01 lies 109205 days before 1899-12-30.
  constexpr double TicksPerDay = 864000000000.0;
  constexpr double EpochGap = 109205.0;
  return static_cast<double>(fileTime) / TicksPerDay - EpochGap;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty() || pattern == "*" || pattern == "*.*") return true;
  std::string_view ext = pattern.substr(pattern.front() == '*' ? 1 : 0);
  if (name.size() < ext.size()) return false;
  std::string_view tail = name.substr(name.size() - ext.size());
  return base::SameText(tail, ext);
}

std::vector<std::string> FoldersToCreate(std::string_view path) {
  while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
  // Skip what names the volume: "C:\" or "\\server\share\".
  std::size_t start = 0;
  if (path.size() >= 2 && path[1] == ':') {
    start = 2;
  } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    start = 2;
    for (int parts = 0; parts < 2 && start < path.size(); ++parts) {
      while (start < path.size() && !IsSeparator(path[start])) ++start;
      if (parts == 0 && start < path.size()) ++start;
    }
  }
  while (start < path.size() && IsSeparator(path[start])) ++start;
  std::vector<std::string> out;
  for (std::size_t k = start; k <= path.size(); ++k)
    if (k == path.size() || (IsSeparator(path[k]) && k > start && !IsSeparator(path[k - 1])))
      if (k > start) out.emplace_back(path.substr(0, k));
  return out;
}

}  // namespace platform::win32
