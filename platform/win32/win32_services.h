// The smaller platform services on the Windows API, one class each.
#pragma once
#include "platform/services.h"

namespace platform::win32 {

class Win32Clock final : public Clock {
 public:
  Tick TickCount() override;
  double LocalNow() override;
  void Sleep(std::uint32_t ms) override;
};

class Win32SharedMemory final : public SharedMemory {
 public:
  Created CreateMapping(std::string_view name, std::uint32_t size) override;
  MappingHandle OpenMapping(std::string_view name) override;
  std::uint8_t* MapView(MappingHandle h, std::uint32_t size) override;
  void UnmapView(std::uint8_t* view) override;
  void CloseMapping(MappingHandle h) override;
};

class Win32FileSystem final : public FileSystem {
 public:
  bool Exists(std::string_view path) override;
  bool IsFolder(std::string_view path) override;
  bool IsReadOnly(std::string_view path) override;
  bool SetReadOnly(std::string_view path, bool readOnly) override;
  bool Delete(std::string_view path) override;
  bool CreateFolders(std::string_view path) override;
  std::optional<std::string> ReadFile(std::string_view path) override;
  bool ReplaceFile(std::string_view path, std::string_view content) override;
  std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern) override;
};

class Win32Shell final : public Shell {
 public:
  bool WriteRegistryDefault(RegistryRoot root, std::string_view key, std::string_view value) override;
  std::optional<std::string> ReadRegistryString(RegistryRoot root, std::string_view key,
                                                std::string_view name) override;
  void NotifyAssociationsChanged() override;
  std::string KnownFolder(ShellFolder id) override;
  std::string ProgramPath() override;
  std::vector<std::string> CommandLineArguments() override;
  std::pair<int, int> OsVersion() override;
  bool IsCdDrive(char letter) override;
  std::optional<std::string> ExecutableFor(std::string_view path) override;
  std::string TempFolder() override;
};

class Win32Screen final : public Screen {
 public:
  Rect VirtualScreen() override;
  int MonitorCount() override;
  Rect MonitorBounds(int index) override;
  Point CursorPos() override;
  void SetCursorPos(Point p) override;
  void ClipCursor(std::optional<Rect> area) override;
  int ColorDepth() override;
  bool PaletteDevice() override;
  FontFace MenuFont() override;
};

class Win32Diagnostics final : public Diagnostics {
 public:
  void DebugOutput(std::string_view text) override;
  void Note(std::string_view category, std::string_view text) override;
  void SetVerbose(bool on) override { verbose_ = on; }

 private:
  bool verbose_ = false;
};

}  // namespace platform::win32
