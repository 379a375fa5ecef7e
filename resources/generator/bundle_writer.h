// Writes the generated pictures as files of the resource bundle and lists them
// in a resource script for the Windows build.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"

namespace resources::generator {

class BundleWriter {
 public:
  explicit BundleWriter(std::string folder) : folder_(std::move(folder)) {}
  bool Bitmap(std::string_view name, const gfx::Bitmap& b);
  bool Cursor(std::string_view name, const std::vector<std::uint8_t>& file);
  bool Icon(std::string_view name, const std::vector<std::uint8_t>& file);
  // The resource script naming every file written so far.
  bool WriteScript(const std::string& path) const;
  [[nodiscard]] int count() const { return static_cast<int>(lines_.size()); }

 private:
  bool Write(std::string_view name, std::string_view ext, std::string_view kind,
             const std::vector<std::uint8_t>& bytes);
  std::string folder_;
  std::vector<std::string> lines_;
};

// The bundle's file name of a resource: lower case, because resource names are
// found without regard to case and the native file systems are not so kind.
std::string BundleFileName(std::string_view name, std::string_view ext);

}  // namespace resources::generator::generator
