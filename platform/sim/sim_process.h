// One simulated process: its view of the desktop through the platform
// interfaces. Several of them share one SimDesktop.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/sim_forms.h"

namespace platform::sim {

class SimDesktop;

class SimProcess final : public Platform,
                         public WindowSystem,
                         public Clock,
                         public SharedMemory,
                         public FileSystem,
                         public Shell,
                         public Screen,
                         public Diagnostics,
                         public InputHooks,
                         public PeriodicTimers {
 public:
  SimProcess(SimDesktop& desktop, int id, std::string name, std::vector<std::string> args);

  int id() const { return id_; }
  const std::string& name() const { return name_; }
  std::uint32_t threadId() const { return 1000 + static_cast<std::uint32_t>(id_); }
  SimDesktop& desktop() { return desktop_; }
  bool quitRequested() const { return quit_; }
  int exitCode() const { return exitCode_; }
  WindowHandle activeWindow;
  // Called when the message loop is idle and the timeline has nothing left.
  std::function<void()> onTimelineEnd;

  // Platform
  WindowSystem& windows() override { return *this; }
  Clock& clock() override { return *this; }
  SharedMemory& sharedMemory() override { return *this; }
  FileSystem& files() override { return *this; }
  Shell& shell() override { return *this; }
  Screen& screen() override { return *this; }
  Diagnostics& diagnostics() override { return *this; }
  InputHooks& inputHooks() override { return *this; }
  PeriodicTimers& periodicTimers() override { return *this; }
  Forms& forms() override { return forms_; }

  // WindowSystem
  WindowHandle Create(const WindowSpec& spec, WindowProcedure* procedure) override;
  void Destroy(WindowHandle w) override;
  bool Post(WindowHandle w, const Message& m) override;
  std::int64_t Send(WindowHandle w, const Message& m) override;
  std::uint32_t RegisterMessage(std::string_view name) override;
  bool SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t intervalMs) override;
  void KillTimer(WindowHandle w, std::uint32_t id) override;
  int RunMessageLoop() override;
  void PostQuit(int code) override;
  void ProcessMessages() override;
  void WaitProcessingMessages(std::uint32_t ms) override;
  bool IsWindow(WindowHandle w) override;
  std::string ClassOf(WindowHandle w) override;
  std::string Caption(WindowHandle w) override;
  void SetCaption(WindowHandle w, std::string_view caption) override;
  WindowHandle Find(std::string_view className, std::string_view caption) override;
  bool IsWithin(WindowHandle parent, WindowHandle w) override;
  Rect Bounds(WindowHandle w) override;
  bool IsVisible(WindowHandle w) override;
  bool IsMinimized(WindowHandle w) override;
  WindowHandle TopLevelAt(Point p) override;
  WindowHandle Desktop() override;
  WindowHandle Foreground() override;
  WindowHandle Active() override;
  std::uint32_t ThreadOf(WindowHandle w) override;
  std::uint32_t CurrentThread() override { return threadId(); }
  void Show(WindowHandle w, ShowCommand how) override;
  void SetBounds(WindowHandle w, Rect bounds) override;
  void SetTopmost(WindowHandle w, bool topmost) override;
  bool SetForeground(WindowHandle w) override;
  void BringToTop(WindowHandle w) override;
  void SetFocus(WindowHandle w) override;
  bool AttachInput(std::uint32_t fromThread, std::uint32_t toThread, bool attach) override;
  std::uint32_t ForegroundLockTimeout() override;
  void SetForegroundLockTimeout(std::uint32_t ms) override;
  void Beep() override;

  // Clock
  Tick TickCount() override;
  double LocalNow() override;
  void Sleep(std::uint32_t ms) override;

  // SharedMemory
  Created CreateMapping(std::string_view name, std::uint32_t size) override;
  MappingHandle OpenMapping(std::string_view name) override;
  std::uint8_t* MapView(MappingHandle h, std::uint32_t size) override;
  void UnmapView(std::uint8_t* view) override;
  void CloseMapping(MappingHandle h) override;

  // FileSystem
  bool Exists(std::string_view path) override;
  bool IsFolder(std::string_view path) override;
  bool IsReadOnly(std::string_view path) override;
  bool SetReadOnly(std::string_view path, bool readOnly) override;
  bool Delete(std::string_view path) override;
  bool CreateFolders(std::string_view path) override;
  std::optional<std::string> ReadFile(std::string_view path) override;
  bool ReplaceFile(std::string_view path, std::string_view content) override;
  std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern) override;

  // Shell
  bool WriteRegistryDefault(RegistryRoot root, std::string_view key, std::string_view value) override;
  std::optional<std::string> ReadRegistryString(RegistryRoot root, std::string_view key,
                                                std::string_view name) override;
  void NotifyAssociationsChanged() override;
  std::string KnownFolder(ShellFolder id) override;
  std::string ProgramPath() override;
  std::vector<std::string> CommandLineArguments() override { return args_; }
  std::pair<int, int> OsVersion() override { return {6, 1}; }
  bool IsCdDrive(char letter) override;
  std::optional<std::string> ExecutableFor(std::string_view path) override;
  std::string TempFolder() override;

  // Screen
  Rect VirtualScreen() override;
  int MonitorCount() override;
  Rect MonitorBounds(int index) override;
  Point CursorPos() override;
  void SetCursorPos(Point p) override;
  void ClipCursor(std::optional<Rect> area) override;
  int ColorDepth() override { return 24; }
  bool PaletteDevice() override { return false; }
  FontFace MenuFont() override;

  // Diagnostics
  void DebugOutput(std::string_view text) override;
  void Note(std::string_view category, std::string_view text) override;
  void SetVerbose(bool) override {}

  // InputHooks
  HookHandle InstallMouseHook(MouseHookProcedure procedure) override;
  HookHandle InstallKeyboardHook(KeyboardHookProcedure procedure) override;
  bool RemoveHook(HookHandle hook) override;
  bool ButtonDown(std::uint32_t virtualKey) override;
  bool KeyDown(std::uint32_t virtualKey) override;
  bool ButtonsSwapped() override;
  void SwapButtons(bool swap) override;
  void InvertDesktopLine(Point from, Point to) override;

  // PeriodicTimers
  std::uint32_t Start(std::uint32_t intervalMs, std::uint32_t resolutionMs, PeriodicCallback callback,
                      void* context) override;
  void Stop(std::uint32_t id) override;

 private:
  SimDesktop& desktop_;
  int id_;
  std::string name_;
  std::vector<std::string> args_;
  bool quit_ = false;
  int exitCode_ = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> attachedInput_;
  SimForms forms_;
};

}  // namespace platform::sim
