// The native build's program resources: the files velmora_resgen drew into the
// bundle folder of the build tree (VELMORA_RESOURCES overrides the folder).
// Cursor and icon handles are tokens that stand for a file that exists; what
// they look like is the file itself.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "base/strings.h"
#include "platform/resources.h"

#ifndef VELMORA_RESOURCE_BUNDLE
#define VELMORA_RESOURCE_BUNDLE ""
#endif

namespace platform {
namespace {

class BundleResources final : public ProgramResources {
 public:
  std::optional<std::vector<std::uint8_t>> BitmapFile(std::string_view name) override {
    return Read(name, "bmp");
  }
  std::optional<std::vector<std::uint8_t>> CursorFile(std::string_view name) override {
    return Read(name, "cur");
  }
  std::optional<std::vector<std::uint8_t>> IconFile(std::string_view name) override {
    return Read(name, "ico");
  }
  CursorHandle LoadCursor(std::string_view name) override { return CursorHandle{Token(name, "cur")}; }
  IconHandle LoadIcon(std::string_view name, int) override { return IconHandle{Token(name, "ico")}; }

 private:
  static std::string Folder() {
    const char* env = std::getenv("VELMORA_RESOURCES");
    return env && *env ? env : VELMORA_RESOURCE_BUNDLE;
  }
  static std::string Path(std::string_view name, std::string_view ext) {
    return Folder() + "/" + base::LowerCase(name) + "." + std::string(ext);
  }
  static std::optional<std::vector<std::uint8_t>> Read(std::string_view name, std::string_view ext) {
    // Names come from the program, but a path separator would leave the bundle.
    if (name.empty() || name.find_first_of("/\\.") != std::string_view::npos) return std::nullopt;
    std::ifstream in(Path(name, ext), std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  std::uint64_t Token(std::string_view name, std::string_view ext) {
    if (!Read(name, ext)) return 0;
    const std::string key = Path(name, ext);
    auto it = tokens_.find(key);
    if (it == tokens_.end()) it = tokens_.emplace(key, tokens_.size() + 1).first;
    return it->second;
  }
  std::map<std::string, std::uint64_t> tokens_;
};

}  // namespace

ProgramResources& Resources() {
  static BundleResources resources;
  return resources;
}

}  // namespace platform
