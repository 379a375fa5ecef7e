// The smaller platform services: clock, shared memory, files, registry and
// shell, screen and cursor, debugger output.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Tick TickCount() = 0;
  // Local date and time as days since 1899-12-30, the fraction the time of day.
  virtual double LocalNow() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;
};

// Named blocks of memory that several processes map. A block disappears when
// its last handle is closed.
class SharedMemory {
 public:
  struct Created {
    MappingHandle handle;
    bool alreadyExisted = false;
  };
  virtual ~SharedMemory() = default;
  virtual Created CreateMapping(std::string_view name, std::uint32_t size) = 0;
  virtual MappingHandle OpenMapping(std::string_view name) = 0;
  virtual std::uint8_t* MapView(MappingHandle h, std::uint32_t size) = 0;
  virtual void UnmapView(std::uint8_t* view) = 0;
  virtual void CloseMapping(MappingHandle h) = 0;
};

// Paths are Windows paths ("C:\Folder\File.ext") on both builds.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(std::string_view path) = 0;
  virtual bool IsFolder(std::string_view path) = 0;
  virtual bool IsReadOnly(std::string_view path) = 0;
  virtual bool SetReadOnly(std::string_view path, bool readOnly) = 0;
  virtual bool Delete(std::string_view path) = 0;
  virtual bool CreateFolders(std::string_view path) = 0;
  virtual std::optional<std::string> ReadFile(std::string_view path) = 0;
  // Writes the whole content to a temporary file in the same folder and renames
  // it over path, so a failure leaves the old file as it was.
  virtual bool ReplaceFile(std::string_view path, std::string_view content) = 0;
  // Names (not paths) of the files in a folder that match a "*.ext" pattern.
  virtual std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern) = 0;
};

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// Shell folder ids of the system (CSIDL numbers).
enum class ShellFolder : int {
  AppData = 26,
  MyMusic = 13,
  MyPictures = 39,
  MyVideos = 14,
  CommonMusic = 53,
  CommonPictures = 54,
  CommonVideos = 55,
};

class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool WriteRegistryDefault(RegistryRoot root, std::string_view key, std::string_view value) = 0;
  virtual std::optional<std::string> ReadRegistryString(RegistryRoot root, std::string_view key,
                                                        std::string_view name) = 0;
  virtual void NotifyAssociationsChanged() = 0;
  // The folder with a trailing backslash, or empty when the shell does not know it.
  virtual std::string KnownFolder(ShellFolder id) = 0;
  virtual std::string ProgramPath() = 0;
  // Arguments after the program name, split as the system's runtime splits them.
  virtual std::vector<std::string> CommandLineArguments() = 0;
  // Major and minor version of the operating system.
  virtual std::pair<int, int> OsVersion() = 0;
  // Whether the drive with this letter ('A' to 'Z') is a CD-ROM drive.
  virtual bool IsCdDrive(char letter) = 0;
  // The program the shell opens an existing file with; none when there is no
  // association or the file does not exist. (Not named after the shell call,
  // which <windows.h> turns into a macro.)
  virtual std::optional<std::string> ExecutableFor(std::string_view path) = 0;
  // The system's folder for temporary files, with a trailing backslash.
  virtual std::string TempFolder() = 0;
};

// A font as the system describes it: face name and height in pixels.
struct FontFace {
  std::string face;
  int height = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual Rect VirtualScreen() = 0;
  virtual int MonitorCount() = 0;
  virtual Rect MonitorBounds(int index) = 0;
  virtual Point CursorPos() = 0;
  virtual void SetCursorPos(Point p) = 0;
  // No rectangle frees the cursor.
  virtual void ClipCursor(std::optional<Rect> area) = 0;
  virtual int ColorDepth() = 0;
  virtual bool PaletteDevice() = 0;
  // The font of menus (from the non-client metrics).
  virtual FontFace MenuFont() = 0;
};

// Where the system says what it does: debugger output on Windows, the trace on
// the simulated desktop.
class Diagnostics {
 public:
  virtual ~Diagnostics() = default;
  virtual void DebugOutput(std::string_view text) = 0;
  // A step worth recording (category such as "command", "tool", "file").
  // Windows forwards it to the debugger output only when verbose.
  virtual void Note(std::string_view category, std::string_view text) = 0;
  virtual void SetVerbose(bool on) = 0;
};

}  // namespace platform
