#include "base/strings.h"

namespace base {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = Upper(c);
  return out;
}

std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = Lower(c);
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string FolderOf(std::string_view path) {
  std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNameOf(std::string_view path) {
  std::size_t slash = path.find_last_of("\\/:");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOf(std::string_view path) {
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeExtension(std::string_view path, std::string_view ext) {
  std::string folder = FolderOf(path);
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return folder + name + std::string(ext);
}

}  // namespace base
