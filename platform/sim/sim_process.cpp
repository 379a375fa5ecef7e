#include "platform/sim/sim_process.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "base/strings.h"
#include "platform/messages.h"
#include "platform/sim/sim_desktop.h"

namespace platform::sim {
namespace fs = std::filesystem;

namespace {
const char* RootName(RegistryRoot r) {
  switch (r) {
    case RegistryRoot::ClassesRoot: return "hkcr";
    case RegistryRoot::CurrentUser: return "hkcu";
    case RegistryRoot::LocalMachine: return "hklm";
  }
  return "?";
}
}  // namespace

SimProcess::SimProcess(SimDesktop& desktop, int id, std::string name, std::vector<std::string> args)
    : desktop_(desktop), id_(id), name_(std::move(name)), args_(std::move(args)), forms_(desktop, id) {}

// ---- windows and messages ----

WindowHandle SimProcess::Create(const WindowSpec& spec, WindowProcedure* procedure) {
  return desktop_.CreateWindowFor(id_, spec, procedure);
}
void SimProcess::Destroy(WindowHandle w) { desktop_.DestroyWindow(w); }
bool SimProcess::Post(WindowHandle w, const Message& m) { return desktop_.Post(id_, w, m); }
std::int64_t SimProcess::Send(WindowHandle w, const Message& m) { return desktop_.Send(id_, w, m); }
std::uint32_t SimProcess::RegisterMessage(std::string_view name) { return desktop_.RegisterMessage(name); }
bool SimProcess::SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t ms) { return desktop_.SetTimer(w, id, ms); }
void SimProcess::KillTimer(WindowHandle w, std::uint32_t id) { desktop_.KillTimer(w, id); }

int SimProcess::RunMessageLoop() {
  bool endNotified = false;
  while (!quit_) {
    if (desktop_.DispatchOne(id_)) continue;
    desktop_.DispatchAll();
    if (quit_) break;
    if (desktop_.StepTimeline([this] { return quit_; })) continue;
    // Nothing is scripted any more: let the owner of the run end the program
    // the normal way once, and stop the loop if it does not.
    if (!endNotified && onTimelineEnd) {
      endNotified = true;
      onTimelineEnd();
      continue;
    }
    if (!desktop_.HasPending(id_)) {
      desktop_.trace().Add("process", "message loop stopped: timeline ended");
      break;
    }
  }
  return exitCode_;
}

void SimProcess::PostQuit(int code) {
  quit_ = true;
  exitCode_ = code;
}
void SimProcess::ProcessMessages() {
  while (desktop_.DispatchOne(id_)) {
  }
}
void SimProcess::WaitProcessingMessages(std::uint32_t ms) { desktop_.AdvanceBy(ms); }

bool SimProcess::IsWindow(WindowHandle w) { return desktop_.Window(w) != nullptr; }
std::string SimProcess::ClassOf(WindowHandle w) {
  auto* win = desktop_.Window(w);
  return win ? win->spec.className : std::string();
}
std::string SimProcess::Caption(WindowHandle w) {
  auto* win = desktop_.Window(w);
  return win ? win->spec.caption : std::string();
}
void SimProcess::SetCaption(WindowHandle w, std::string_view caption) {
  if (auto* win = desktop_.Window(w)) win->spec.caption = std::string(caption);
}
WindowHandle SimProcess::Find(std::string_view cls, std::string_view caption) {
  return desktop_.FindWindow(cls, caption);
}
bool SimProcess::IsWithin(WindowHandle parent, WindowHandle w) {
  for (int depth = 0; w && depth < 64; ++depth) {
    if (w == parent) return true;
    auto* win = desktop_.Window(w);
    if (!win) return false;
    w = win->parent;
  }
  return false;
}
Rect SimProcess::Bounds(WindowHandle w) {
  auto* win = desktop_.Window(w);
  return win ? win->spec.bounds : Rect{};
}
bool SimProcess::IsVisible(WindowHandle w) {
  auto* win = desktop_.Window(w);
  return win && win->visible;
}
bool SimProcess::IsMinimized(WindowHandle w) {
  auto* win = desktop_.Window(w);
  return win && win->minimized;
}
WindowHandle SimProcess::TopLevelAt(Point p) { return desktop_.TopLevelAt(p); }
WindowHandle SimProcess::Desktop() { return desktop_.desktopWindow(); }
WindowHandle SimProcess::Foreground() { return desktop_.foreground(); }
WindowHandle SimProcess::Active() {
  if (activeWindow && !desktop_.Window(activeWindow)) activeWindow = {};
  return activeWindow;
}
std::uint32_t SimProcess::ThreadOf(WindowHandle w) {
  auto* win = desktop_.Window(w);
  if (!win) return 0;
  return 1000 + static_cast<std::uint32_t>(win->process);
}

void SimProcess::Show(WindowHandle w, ShowCommand how) {
  auto* win = desktop_.Window(w);
  if (!win) return;
  static const char* names[] = {"hide", "show", "shownormal", "shownoactivate", "minimize", "restore"};
  switch (how) {
    case ShowCommand::Hide: win->visible = false; break;
    case ShowCommand::Minimize: win->visible = true; win->minimized = true; break;
    case ShowCommand::Restore:
    case ShowCommand::ShowNormal: win->visible = true; win->minimized = false; break;
    case ShowCommand::Show:
    case ShowCommand::ShowNoActivate: win->visible = true; break;
  }
  desktop_.trace().Add("window", std::string(names[static_cast<int>(how)]) + " " + win->spec.className);
}
void SimProcess::SetBounds(WindowHandle w, Rect bounds) {
  if (auto* win = desktop_.Window(w)) win->spec.bounds = bounds;
}
void SimProcess::SetTopmost(WindowHandle w, bool topmost) {
  if (auto* win = desktop_.Window(w)) {
    win->topmost = topmost;
    if (topmost) desktop_.RaiseToTop(w);
  }
}

bool SimProcess::SetForeground(WindowHandle w) {
  auto* win = desktop_.Window(w);
  if (!win) return false;
  // The foreground lock: only the foreground process, a thread attached to its
  // input, or anyone while the lock time-out is 0, may change the foreground.
  WindowHandle fg = desktop_.foreground();
  auto* fgWin = desktop_.Window(fg);
  bool owner = fgWin && fgWin->process == id_;
  std::uint32_t fgThread = fgWin ? 1000 + static_cast<std::uint32_t>(fgWin->process) : 0;
  bool attached = std::any_of(attachedInput_.begin(), attachedInput_.end(),
                              [&](auto& pr) { return pr.second == fgThread; });
  bool allowed = fg == w || !desktop_.options().enforceForegroundLock || owner || attached ||
                 desktop_.foregroundLockTimeout == 0 || fg == desktop_.desktopWindow();
  if (!allowed) {
    desktop_.trace().Add("window", "foreground refused " + win->spec.className);
    return false;
  }
  desktop_.SetForegroundRaw(w);
  return true;
}
void SimProcess::BringToTop(WindowHandle w) { desktop_.RaiseToTop(w); }
void SimProcess::SetFocus(WindowHandle w) {
  auto* win = desktop_.Window(w);
  if (win && win->process == id_) activeWindow = w;
}
bool SimProcess::AttachInput(std::uint32_t from, std::uint32_t to, bool attach) {
  if (attach) {
    attachedInput_.emplace_back(from, to);
  } else {
    auto it = std::find(attachedInput_.begin(), attachedInput_.end(), std::make_pair(from, to));
    if (it != attachedInput_.end()) attachedInput_.erase(it);
  }
  return true;
}
std::uint32_t SimProcess::ForegroundLockTimeout() { return desktop_.foregroundLockTimeout; }
void SimProcess::SetForegroundLockTimeout(std::uint32_t ms) { desktop_.foregroundLockTimeout = ms; }
void SimProcess::Beep() { desktop_.trace().Add("sound", "beep"); }

// ---- clock ----

Tick SimProcess::TickCount() { return desktop_.TickCount(); }
double SimProcess::LocalNow() { return desktop_.LocalNow(); }
void SimProcess::Sleep(std::uint32_t ms) { desktop_.AdvanceTo(desktop_.Elapsed() + ms); }

// ---- shared memory ----

SharedMemory::Created SimProcess::CreateMapping(std::string_view name, std::uint32_t size) {
  return desktop_.CreateMapping(name, size);
}
MappingHandle SimProcess::OpenMapping(std::string_view name) { return desktop_.OpenMapping(name); }
std::uint8_t* SimProcess::MapView(MappingHandle h, std::uint32_t size) { return desktop_.MapView(h, size); }
void SimProcess::UnmapView(std::uint8_t* view) { desktop_.UnmapView(view); }
void SimProcess::CloseMapping(MappingHandle h) { desktop_.CloseMapping(h); }

// ---- files ----

bool SimProcess::Exists(std::string_view path) {
  std::error_code ec;
  return fs::exists(desktop_.HostPath(path), ec);
}
bool SimProcess::IsFolder(std::string_view path) {
  std::error_code ec;
  return fs::is_directory(desktop_.HostPath(path), ec);
}
bool SimProcess::IsReadOnly(std::string_view path) {
  return desktop_.readOnlyFiles().count(base::LowerCase(desktop_.HostPath(path))) != 0;
}
bool SimProcess::SetReadOnly(std::string_view path, bool readOnly) {
  if (!Exists(path)) return false;
  std::string key = base::LowerCase(desktop_.HostPath(path));
  if (readOnly)
    desktop_.readOnlyFiles().insert(key);
  else
    desktop_.readOnlyFiles().erase(key);
  return true;
}
bool SimProcess::Delete(std::string_view path) {
  if (IsReadOnly(path) || desktop_.WriteFails(path)) return false;
  std::error_code ec;
  bool ok = fs::remove(desktop_.HostPath(path), ec);
  if (ok) desktop_.trace().Add("file", "deleted " + std::string(path));
  return ok;
}
bool SimProcess::CreateFolders(std::string_view path) {
  if (desktop_.WriteFails(path)) return false;
  std::error_code ec;
  fs::create_directories(desktop_.HostPath(path), ec);
  return !ec && IsFolder(path);
}
std::optional<std::string> SimProcess::ReadFile(std::string_view path) {
  std::ifstream in(desktop_.HostPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}
bool SimProcess::ReplaceFile(std::string_view path, std::string_view content) {
  if (IsReadOnly(path) || desktop_.WriteFails(path)) {
    desktop_.trace().Add("file", "write failed " + std::string(path));
    return false;
  }
  std::string host = desktop_.HostPath(path);
  std::string temp = host + ".~tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out.flush()) {
      std::error_code ec;
      fs::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, host, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  desktop_.trace().Add("file", "written " + std::string(path));
  return true;
}
std::vector<std::string> SimProcess::ListFiles(std::string_view folder, std::string_view pattern) {
  std::vector<std::string> out;
  std::string ext = base::LowerCase(pattern.substr(pattern.find('*') == std::string_view::npos ? 0 : pattern.find('*') + 1));
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(desktop_.HostPath(folder), ec)) {
    if (!e.is_regular_file()) continue;
    std::string name = e.path().filename().string();
    std::string low = base::LowerCase(name);
    if (ext.empty() || (low.size() >= ext.size() && low.compare(low.size() - ext.size(), ext.size(), ext) == 0))
      out.push_back(name);
  }
  std::sort(out.begin(), out.end());
  return out;
}

// ---- shell and registry ----

bool SimProcess::WriteRegistryDefault(RegistryRoot root, std::string_view key, std::string_view value) {
  std::string k = std::string(RootName(root)) + "\\" + base::LowerCase(key) + "\\";
  desktop_.registry()[k] = std::string(value);
  desktop_.trace().Add("registry", k + " = " + std::string(value));
  return true;
}
std::optional<std::string> SimProcess::ReadRegistryString(RegistryRoot root, std::string_view key,
                                                          std::string_view name) {
  auto it = desktop_.registry().find(std::string(RootName(root)) + "\\" + base::LowerCase(key) + "\\" + base::LowerCase(name));
  if (it == desktop_.registry().end()) return std::nullopt;
  return it->second;
}
void SimProcess::NotifyAssociationsChanged() { desktop_.trace().Add("shell", "associations changed"); }
std::string SimProcess::KnownFolder(ShellFolder id) {
  auto it = desktop_.knownFolders().find(static_cast<int>(id));
  return it == desktop_.knownFolders().end() ? std::string() : it->second;
}
std::string SimProcess::ProgramPath() { return desktop_.options().programPath; }
bool SimProcess::IsCdDrive(char letter) {
  return desktop_.cdDrives.count(static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))) != 0;
}
std::optional<std::string> SimProcess::ExecutableFor(std::string_view path) {
  desktop_.trace().Add("shell", "executable for " + std::string(path));
  // As on Windows, the file itself must exist; the association is by extension.
  if (!Exists(path) || IsFolder(path)) return std::nullopt;
  std::size_t slash = path.find_last_of("\\:");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  auto it = desktop_.fileAssociations.find(base::LowerCase(name.substr(dot)));
  if (it == desktop_.fileAssociations.end()) return std::nullopt;
  return it->second;
}
std::string SimProcess::TempFolder() { return desktop_.tempFolder; }

// ---- screen ----

Rect SimProcess::VirtualScreen() {
  Rect r = desktop_.monitors().front();
  for (const auto& m : desktop_.monitors()) {
    r.left = std::min(r.left, m.left);
    r.top = std::min(r.top, m.top);
    r.right = std::max(r.right, m.right);
    r.bottom = std::max(r.bottom, m.bottom);
  }
  return r;
}
int SimProcess::MonitorCount() { return static_cast<int>(desktop_.monitors().size()); }
Rect SimProcess::MonitorBounds(int index) {
  if (index < 0 || index >= MonitorCount()) return {};
  return desktop_.monitors()[static_cast<std::size_t>(index)];
}
FontFace SimProcess::MenuFont() { return desktop_.menuFont; }
Point SimProcess::CursorPos() { return desktop_.cursor; }
void SimProcess::SetCursorPos(Point p) {
  if (desktop_.cursorClip) {
    const Rect& c = *desktop_.cursorClip;
    p.x = std::clamp(p.x, c.left, std::max(c.left, c.right - 1));
    p.y = std::clamp(p.y, c.top, std::max(c.top, c.bottom - 1));
  }
  desktop_.cursor = p;
}
void SimProcess::ClipCursor(std::optional<Rect> area) {
  desktop_.cursorClip = area;
  if (area)
    desktop_.trace().Add("cursor", "clip " + std::to_string(area->left) + "," + std::to_string(area->top) + "," +
                                       std::to_string(area->right) + "," + std::to_string(area->bottom));
  else
    desktop_.trace().Add("cursor", "unclip");
}

// ---- diagnostics ----

void SimProcess::DebugOutput(std::string_view text) { desktop_.trace().Add("debug", text); }
void SimProcess::Note(std::string_view category, std::string_view text) { desktop_.trace().Add(category, text); }

// ---- input hooks and periodic timers ----

HookHandle SimProcess::InstallMouseHook(MouseHookProcedure procedure) {
  return desktop_.InstallHook(id_, procedure, nullptr);
}
HookHandle SimProcess::InstallKeyboardHook(KeyboardHookProcedure procedure) {
  return desktop_.InstallHook(id_, nullptr, procedure);
}
bool SimProcess::RemoveHook(HookHandle hook) { return desktop_.RemoveHook(hook); }
bool SimProcess::ButtonDown(std::uint32_t virtualKey) { return desktop_.PhysicallyDown(virtualKey); }
bool SimProcess::KeyDown(std::uint32_t virtualKey) { return desktop_.KeyDownAtMessage(virtualKey); }
bool SimProcess::ButtonsSwapped() { return desktop_.buttonsSwapped; }
void SimProcess::SwapButtons(bool swap) {
  if (desktop_.buttonsSwapped != swap) desktop_.trace().Add("input", swap ? "buttons swapped" : "buttons restored");
  desktop_.buttonsSwapped = swap;
}
void SimProcess::InvertDesktopLine(Point from, Point to) { desktop_.InvertDesktopLine(from, to); }

std::uint32_t SimProcess::Start(std::uint32_t intervalMs, std::uint32_t, PeriodicCallback callback, void* context) {
  return desktop_.StartPeriodic(id_, intervalMs, callback, context);
}
void SimProcess::Stop(std::uint32_t id) { desktop_.StopPeriodic(id); }

}  // namespace platform::sim
