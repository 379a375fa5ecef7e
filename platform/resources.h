// The program's own resources: pictures, cursors and icons that ship inside the
// program, found by name without regard to letter case, as the system finds them.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform {

using CursorHandle = Handle<struct CursorTag>;
using IconHandle = Handle<struct IconTag>;

class ProgramResources {
 public:
  virtual ~ProgramResources() = default;
  // A bitmap resource as the bytes of a BMP file; nothing when there is none.
  virtual std::optional<std::vector<std::uint8_t>> BitmapFile(std::string_view name) = 0;
  // A cursor or icon as the bytes of a .cur or .ico file, where the build keeps
  // them as files (the native bundle); Windows keeps them as system objects
  // only and answers nothing here.
  virtual std::optional<std::vector<std::uint8_t>> CursorFile(std::string_view name) = 0;
  virtual std::optional<std::vector<std::uint8_t>> IconFile(std::string_view name) = 0;
  // The system's cursor or icon of that name; a null handle when there is none.
  // Both live as long as the program.
  virtual CursorHandle LoadCursor(std::string_view name) = 0;
  virtual IconHandle LoadIcon(std::string_view name, int size) = 0;
};

// The resources of the running program: its resource section on Windows, the
// bundle folder the build drew natively.
ProgramResources& Resources();

}  // namespace platform
