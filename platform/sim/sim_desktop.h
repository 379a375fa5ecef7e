// A deterministic desktop inside one process: a virtual clock that advances only
// when a timeline (script or test) says so, simulated processes with their own
// windows and queues, named shared memory, a files root on the host, a registry,
// and a trace of what the system did.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "platform/platform.h"
#include "platform/sim/sim_forms.h"
#include "platform/sim/sim_trace.h"

namespace platform::sim {

class SimDesktop;
class SimProcess;

// What drives the desktop: timed actions at elapsed milliseconds since the start.
class Timeline {
 public:
  virtual ~Timeline() = default;
  virtual std::optional<std::uint64_t> NextDue() = 0;
  virtual void RunNext(SimDesktop& desktop) = 0;
};

struct SimWindow {
  WindowHandle handle;
  int process = 0;
  WindowSpec spec;
  WindowProcedure* procedure = nullptr;
  bool visible = false;
  bool minimized = false;
  bool topmost = false;
  WindowHandle parent;  // owner or parent; IsWithin follows it
  std::vector<Message> received;  // for windows without a procedure (foreign programs)
};

struct DesktopOptions {
  std::string hostRoot;  // the host folder that stands for the drives
  Tick startTick = 1000000;
  double startDate = 46367.5;  // 2026-12-11 12:00
  Rect primaryMonitor{0, 0, 1024, 768};
  std::vector<Rect> extraMonitors;
  std::string programPath = "C:\\Program Files\\Orvanta Nimbra\\Velmora.exe";
  std::string userProfile = "C:\\Users\\Presenter\\";
  bool enforceForegroundLock = true;
};

using ProgramEntry = std::function<int(SimProcess&)>;

class SimDesktop {
 public:
  explicit SimDesktop(DesktopOptions options);
  ~SimDesktop();
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;

  const DesktopOptions& options() const { return options_; }
  Trace& trace() { return trace_; }

  // Processes. Programs are registered by file name and run when started.
  void RegisterProgram(std::string fileName, ProgramEntry entry);
  SimProcess& CreateProcess(std::string name, std::vector<std::string> args);
  // Creates the process and runs the registered program in it; returns its exit code.
  int RunProgram(const std::string& fileName, std::vector<std::string> args);
  SimProcess* Process(int id);
  SimProcess& Explorer() { return *processes_[0]; }

  // Clock.
  Tick TickCount() const { return static_cast<Tick>(options_.startTick + elapsed_); }
  std::uint64_t Elapsed() const { return elapsed_; }
  double LocalNow() const { return options_.startDate + static_cast<double>(elapsed_) / 86400000.0; }
  // Moves the clock forward to elapsed time `target`, firing timers and timeline
  // actions that fall due on the way and dispatching every queue after each.
  // `stop` ends the advance early (a program whose loop called it has quit).
  void AdvanceTo(std::uint64_t target, const std::function<bool()>& stop = {});
  void AdvanceBy(std::uint64_t ms) { AdvanceTo(elapsed_ + ms); }
  void SetTimeline(Timeline* timeline) { timeline_ = timeline; }
  Timeline* timeline() { return timeline_; }
  // Runs the next timeline action (advancing the clock to it); false when none is left.
  bool StepTimeline(const std::function<bool()>& stop = {});

  // Windows.
  WindowHandle CreateWindowFor(int process, const WindowSpec& spec, WindowProcedure* procedure);
  void DestroyWindow(WindowHandle w);
  SimWindow* Window(WindowHandle w);
  WindowHandle FindWindow(std::string_view className, std::string_view caption) const;
  WindowHandle desktopWindow() const { return desktopWindow_; }
  WindowHandle taskbarWindow() const { return taskbarWindow_; }
  WindowHandle foreground() const { return foreground_; }
  void SetForegroundRaw(WindowHandle w);  // the user clicks a window
  const std::vector<std::uint64_t>& zOrder() const { return zOrder_; }
  void RaiseToTop(WindowHandle w);
  WindowHandle TopLevelAt(Point p) const;

  // Messages.
  bool Post(int fromProcess, WindowHandle w, const Message& m);
  std::int64_t Send(int fromProcess, WindowHandle w, const Message& m);
  bool DispatchOne(int process);  // false when that queue is empty
  void DispatchAll();
  bool HasPending(int process) const;
  std::uint32_t RegisterMessage(std::string_view name);
  bool SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t intervalMs);
  void KillTimer(WindowHandle w, std::uint32_t id);

  // Shared memory.
  SharedMemory::Created CreateMapping(std::string_view name, std::uint32_t size);
  MappingHandle OpenMapping(std::string_view name);
  std::uint8_t* MapView(MappingHandle h, std::uint32_t size);
  void UnmapView(std::uint8_t* view);
  void CloseMapping(MappingHandle h);
  bool MappingExists(std::string_view name) const;

  // Files: Windows paths mapped onto the host root, names matched without case.
  std::string HostPath(std::string_view windowsPath) const;
  void FailWritesUnder(std::string windowsFolder) { failingFolders_.push_back(std::move(windowsFolder)); }
  bool WriteFails(std::string_view windowsPath) const;
  std::set<std::string>& readOnlyFiles() { return readOnly_; }  // lower-case host paths

  // Forms of every process, and the answers scripted for their modal runs.
  FormHandle AddForm(SimForm form);
  void RemoveForm(FormHandle h);
  SimForm* Form(FormHandle h);
  // The newest form whose component or class name is `name` (any case).
  SimForm* FindForm(std::string_view name);
  void QueueAnswer(FormAnswer answer) { answers_.push_back(std::move(answer)); }
  // Takes the first queued answer addressed to one of the names.
  std::optional<FormAnswer> TakeAnswer(std::initializer_list<std::string_view> names);
  std::size_t QueuedAnswers() const { return answers_.size(); }
  void ClearAnswers() { answers_.clear(); }
  // The font renderer the forms are measured and drawn with (made on first use).
  gfx::FontService& fonts();

  // Registry, shell folders, screen.
  std::map<std::string, std::string>& registry() { return registry_; }  // "root\key\name" lower-case
  std::map<int, std::string>& knownFolders() { return knownFolders_; }
  std::vector<Rect>& monitors() { return monitors_; }
  std::set<char> cdDrives;                              // upper-case drive letters of CD-ROM drives
  std::map<std::string, std::string> fileAssociations;  // lower-case ".ext" -> program path
  std::string tempFolder;                               // the user's temporary folder
  FontFace menuFont{"Segoe UI", 15};
  Point cursor{512, 384};
  std::optional<Rect> cursorClip;
  std::uint32_t foregroundLockTimeout = 200000;

  // Periodic callback timers: the callback runs with its process's platform bound.
  std::uint32_t StartPeriodic(int process, std::uint32_t intervalMs, PeriodicCallback callback, void* context);
  void StopPeriodic(std::uint32_t id);

  // Input (sim_input.cpp). Scripted input changes the physical state at once
  // and queues its message; each queued message goes through the installed
  // hooks, latest first, in the process it is for, and is then delivered unless
  // swallowed. Input that arrives while a hook polls waits its turn, as it does
  // behind a busy input thread.
  enum class Button { Left, Right, Middle };  // physical buttons
  HookHandle InstallHook(int process, MouseHookProcedure mouse, KeyboardHookProcedure keyboard);
  bool RemoveHook(HookHandle hook);
  void MoveMouse(Point p);
  void PressButton(Button b, bool down);
  void Wheel(int delta);
  void Key(std::uint32_t virtualKey, bool down);
  bool PhysicallyDown(std::uint32_t virtualKey) const { return physicalDown_.count(virtualKey) != 0; }
  bool KeyDownAtMessage(std::uint32_t virtualKey) const { return messageKeys_.count(virtualKey) != 0; }
  bool buttonsSwapped = false;
  // Toggles a line of the swipe arrow's inverting pen on the screen.
  void InvertDesktopLine(Point from, Point to);
  // Lines currently inverted on the screen; empty when the screen is as it was.
  const std::vector<std::pair<Point, Point>>& InvertedLines() const { return invertedLines_; }

 private:
  struct Timer {
    WindowHandle window;
    std::uint32_t id;
    std::uint32_t interval;
    std::uint64_t due;
    PeriodicCallback callback = nullptr;  // a periodic timer instead of WM_TIMER
    void* context = nullptr;
    int process = 0;
  };
  struct HookEntry {
    HookHandle handle;
    int process;
    MouseHookProcedure mouse;
    KeyboardHookProcedure keyboard;
  };
  struct RawInput {
    bool keyboard = false;
    std::uint32_t message = 0;
    Point pt;
    std::uint32_t virtualKey = 0, keyFlags = 0;
    std::int32_t wheel = 0;
  };
  void QueueInput(const RawInput& in);
  void ProcessInput(const RawInput& in);
  void EndProcessInput(int process);
  struct Queued {
    WindowHandle window;
    Message message;
  };
  struct Block {
    std::string name;
    std::vector<std::uint8_t> bytes;
    int references = 0;  // handles and views
    int views = 0;
  };

  void Deliver(WindowHandle w, const Message& m, std::int64_t* result);
  void ReleaseBlock(const std::shared_ptr<Block>& block);
  std::optional<std::uint64_t> NextTimerDue() const;

  DesktopOptions options_;
  Trace trace_;
  std::uint64_t elapsed_ = 0;
  Timeline* timeline_ = nullptr;
  std::vector<std::unique_ptr<SimProcess>> processes_;
  std::map<std::string, ProgramEntry> programs_;  // lower-case file names
  std::map<std::uint64_t, SimWindow> windows_;
  std::vector<std::uint64_t> zOrder_;  // top-level windows, topmost first
  std::uint64_t nextHandle_ = 0x10010;
  WindowHandle desktopWindow_, taskbarWindow_, foreground_;
  std::map<int, std::deque<Queued>> queues_;
  std::vector<Timer> timers_;
  std::map<std::string, std::uint32_t> registeredMessages_;
  std::map<std::string, std::shared_ptr<Block>> blocks_;  // lower-case names
  std::map<std::uint64_t, std::shared_ptr<Block>> mappingHandles_;
  std::map<std::uint8_t*, std::shared_ptr<Block>> views_;
  std::uint64_t nextMapping_ = 0x100;
  std::vector<std::string> failingFolders_;
  std::set<std::string> readOnly_;
  std::map<std::string, std::string> registry_;
  std::map<int, std::string> knownFolders_;
  std::vector<Rect> monitors_;
  std::uint32_t nextPeriodic_ = 1;
  std::vector<HookEntry> hooks_;
  std::uint64_t nextHook_ = 0x5000;
  std::deque<RawInput> input_;
  bool inHook_ = false;
  std::set<std::uint32_t> physicalDown_, messageKeys_;
  std::vector<std::pair<Point, Point>> invertedLines_;
  std::map<std::uint64_t, SimForm> forms_;
  std::uint64_t nextForm_ = 0x7000;
  std::deque<FormAnswer> answers_;
  std::unique_ptr<gfx::FontService> fonts_;
};

}  // namespace platform::sim
