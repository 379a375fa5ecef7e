#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "base/strings.h"
#include "gfx/font/font_service.h"
#include "platform/messages.h"
#include "platform/sim/sim_process.h"

namespace platform::sim {
namespace {

std::string Hex(std::uint64_t v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
  return buf;
}

}  // namespace

SimDesktop::SimDesktop(DesktopOptions options) : options_(std::move(options)) {
  trace_.SetClock(&elapsed_);
  monitors_.push_back(options_.primaryMonitor);
  for (const auto& r : options_.extraMonitors) monitors_.push_back(r);
  const std::string& u = options_.userProfile;
  knownFolders_[static_cast<int>(ShellFolder::AppData)] = u + "AppData\\Roaming\\";
  knownFolders_[static_cast<int>(ShellFolder::MyMusic)] = u + "Music\\";
  knownFolders_[static_cast<int>(ShellFolder::MyPictures)] = u + "Pictures\\";
  knownFolders_[static_cast<int>(ShellFolder::MyVideos)] = u + "Videos\\";
  knownFolders_[static_cast<int>(ShellFolder::CommonMusic)] = "C:\\Users\\Public\\Music\\";
  knownFolders_[static_cast<int>(ShellFolder::CommonPictures)] = "C:\\Users\\Public\\Pictures\\";
  knownFolders_[static_cast<int>(ShellFolder::CommonVideos)] = "C:\\Users\\Public\\Videos\\";
  tempFolder = u + "AppData\\Local\\Temp\\";

  // Process 0 is the shell: it owns the desktop and the taskbar.
  auto& explorer = CreateProcess("explorer.exe", {});
  WindowSpec desk;
  desk.className = "#32769";
  desk.bounds = options_.primaryMonitor;
  desk.visible = true;
  desktopWindow_ = CreateWindowFor(explorer.id(), desk, nullptr);
  WindowSpec bar;
  bar.className = "Shell_TrayWnd";
  bar.bounds = {0, options_.primaryMonitor.bottom - 30, options_.primaryMonitor.right,
                options_.primaryMonitor.bottom};
  bar.visible = true;
  bar.topmost = true;
  taskbarWindow_ = CreateWindowFor(explorer.id(), bar, nullptr);
  foreground_ = desktopWindow_;
}

SimDesktop::~SimDesktop() = default;

void SimDesktop::RegisterProgram(std::string fileName, ProgramEntry entry) {
  programs_[base::LowerCase(fileName)] = std::move(entry);
}

SimProcess& SimDesktop::CreateProcess(std::string name, std::vector<std::string> args) {
  int id = static_cast<int>(processes_.size());
  processes_.push_back(std::make_unique<SimProcess>(*this, id, std::move(name), std::move(args)));
  return *processes_.back();
}

int SimDesktop::RunProgram(const std::string& fileName, std::vector<std::string> args) {
  auto it = programs_.find(base::LowerCase(fileName));
  if (it == programs_.end()) {
    trace_.Add("process", "cannot start " + fileName);
    return -1;
  }
  SimProcess& p = CreateProcess(fileName, std::move(args));
  trace_.Add("process", "start " + std::to_string(p.id()) + " " + fileName);
  int code;
  {
    ScopedPlatform bind(p);
    code = it->second(p);
  }
  // A process that ends takes its windows, timers and mappings with it.
  std::vector<std::uint64_t> owned;
  for (auto& [h, w] : windows_)
    if (w.process == p.id()) owned.push_back(h);
  for (auto h : owned) DestroyWindow(WindowHandle{h});
  queues_.erase(p.id());
  EndProcessInput(p.id());
  trace_.Add("process", "end " + std::to_string(p.id()) + " code " + std::to_string(code));
  return code;
}

SimProcess* SimDesktop::Process(int id) {
  if (id < 0 || id >= static_cast<int>(processes_.size())) return nullptr;
  return processes_[static_cast<std::size_t>(id)].get();
}

// ---- clock and timeline ----

std::optional<std::uint64_t> SimDesktop::NextTimerDue() const {
  std::optional<std::uint64_t> best;
  for (const auto& t : timers_)
    if (!best || t.due < *best) best = t.due;
  return best;
}

void SimDesktop::AdvanceTo(std::uint64_t target, const std::function<bool()>& stop) {
  for (;;) {
    if (stop && stop()) return;
    auto timerDue = NextTimerDue();
    auto scriptDue = timeline_ ? timeline_->NextDue() : std::nullopt;
    bool takeTimer = timerDue && *timerDue <= target && (!scriptDue || *timerDue < *scriptDue);
    bool takeScript = !takeTimer && scriptDue && std::max(*scriptDue, elapsed_) <= target;
    if (!takeTimer && !takeScript) break;
    if (takeTimer) {
      elapsed_ = std::max(elapsed_, *timerDue);
      std::vector<Timer> callbacks;
      for (auto& t : timers_) {
        if (t.due > elapsed_) continue;
        t.due = elapsed_ + t.interval;
        if (t.callback) {
          callbacks.push_back(t);
          continue;
        }
        // Windows keeps at most one WM_TIMER of a timer waiting.
        SimWindow* w = Window(t.window);
        if (!w) continue;
        auto& q = queues_[w->process];
        bool pending = std::any_of(q.begin(), q.end(), [&](const Queued& e) {
          return e.window == t.window && e.message.msg == msg::Timer && e.message.wParam == t.id;
        });
        if (!pending) q.push_back({t.window, {msg::Timer, t.id, 0}});
      }
      // Called after the walk: a callback may start or stop timers.
      for (const auto& t : callbacks) {
        bool running = std::any_of(timers_.begin(), timers_.end(),
                                   [&](const Timer& x) { return x.callback && x.id == t.id; });
        SimProcess* p = Process(t.process);
        if (!running || !p) continue;
        ScopedPlatform bind(*p);
        t.callback(t.context);
      }
    } else {
      elapsed_ = std::max(elapsed_, *scriptDue);
      timeline_->RunNext(*this);
    }
    DispatchAll();
  }
  elapsed_ = std::max(elapsed_, target);
  DispatchAll();
}

bool SimDesktop::StepTimeline(const std::function<bool()>& stop) {
  auto due = timeline_ ? timeline_->NextDue() : std::nullopt;
  if (!due) return false;
  // Run exactly up to the action: timers due before it fire first.
  AdvanceTo(std::max(*due, elapsed_), stop);
  return true;
}

// ---- windows ----

WindowHandle SimDesktop::CreateWindowFor(int process, const WindowSpec& spec, WindowProcedure* procedure) {
  WindowHandle h{nextHandle_};
  nextHandle_ += 2;
  SimWindow w;
  w.handle = h;
  w.process = process;
  w.spec = spec;
  w.procedure = procedure;
  w.visible = spec.visible;
  w.topmost = spec.topmost;
  w.parent = spec.owner;
  windows_[h.value] = std::move(w);
  zOrder_.insert(zOrder_.begin(), h.value);
  return h;
}

void SimDesktop::DestroyWindow(WindowHandle h) {
  auto it = windows_.find(h.value);
  if (it == windows_.end()) return;
  // Owned windows go with their owner, as on Windows.
  std::vector<std::uint64_t> owned;
  for (auto& [k, w] : windows_)
    if (w.parent == h) owned.push_back(k);
  for (auto k : owned) DestroyWindow(WindowHandle{k});
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == h; }),
                timers_.end());
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h.value), zOrder_.end());
  windows_.erase(h.value);
  for (auto& [pid, q] : queues_)
    q.erase(std::remove_if(q.begin(), q.end(), [&](const Queued& e) { return e.window == h; }), q.end());
  if (foreground_ == h) foreground_ = desktopWindow_;
  for (auto& p : processes_)
    if (p->activeWindow == h) p->activeWindow = WindowHandle{};
}

SimWindow* SimDesktop::Window(WindowHandle w) {
  auto it = windows_.find(w.value);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle SimDesktop::FindWindow(std::string_view className, std::string_view caption) const {
  std::string cls = base::LowerCase(className);
  for (auto h : zOrder_) {
    const SimWindow& w = windows_.at(h);
    if (w.parent) continue;
    if (base::LowerCase(w.spec.className) != cls) continue;
    if (!caption.empty() && w.spec.caption != caption) continue;
    return w.handle;
  }
  return {};
}

void SimDesktop::RaiseToTop(WindowHandle w) {
  auto it = std::find(zOrder_.begin(), zOrder_.end(), w.value);
  if (it == zOrder_.end()) return;
  zOrder_.erase(it);
  zOrder_.insert(zOrder_.begin(), w.value);
}

void SimDesktop::SetForegroundRaw(WindowHandle w) {
  if (!Window(w)) return;
  foreground_ = w;
  RaiseToTop(w);
  SimWindow* win = Window(w);
  if (SimProcess* p = Process(win->process)) p->activeWindow = w;
  trace_.Add("window", "foreground " + Hex(w.value) + " " + win->spec.className);
}

WindowHandle SimDesktop::TopLevelAt(Point p) const {
  // Topmost windows first, then the rest, each in z-order; the desktop last.
  for (int pass = 0; pass < 2; ++pass)
    for (auto h : zOrder_) {
      const SimWindow& w = windows_.at(h);
      if (w.parent || !w.visible || w.minimized || w.handle == desktopWindow_) continue;
      if (w.topmost != (pass == 0)) continue;
      if (w.spec.bounds.Contains(p)) return w.handle;
    }
  return desktopWindow_;
}

// ---- messages ----

bool SimDesktop::Post(int fromProcess, WindowHandle w, const Message& m) {
  SimWindow* win = Window(w);
  if (!win) return false;
  if (m.msg >= msg::User && win->process != fromProcess)
    trace_.Add("post", win->spec.className + " " + Hex(m.msg) + " " + std::to_string(m.wParam) + " " +
                           std::to_string(m.lParam));
  queues_[win->process].push_back({w, m});
  return true;
}

std::int64_t SimDesktop::Send(int fromProcess, WindowHandle w, const Message& m) {
  SimWindow* win = Window(w);
  if (!win) return 0;
  if (m.msg >= msg::User && win->process != fromProcess)
    trace_.Add("send", win->spec.className + " " + Hex(m.msg) + " " + std::to_string(m.wParam) + " " +
                           std::to_string(m.lParam));
  std::int64_t result = 0;
  Deliver(w, m, &result);
  return result;
}

void SimDesktop::Deliver(WindowHandle w, const Message& m, std::int64_t* result) {
  SimWindow* win = Window(w);
  if (!win) return;
  if (!win->procedure) {
    win->received.push_back(m);
    return;
  }
  SimProcess* owner = Process(win->process);
  ScopedPlatform bind(*owner);
  std::int64_t r = 0;
  WindowProcedure* proc = win->procedure;
  bool handled = proc->OnMessage(w, m, r);
  if (!handled && m.msg == msg::Close && Window(w)) DestroyWindow(w);
  if (result) *result = handled ? r : 0;
}

bool SimDesktop::DispatchOne(int process) {
  auto it = queues_.find(process);
  if (it == queues_.end() || it->second.empty()) return false;
  Queued q = it->second.front();
  it->second.pop_front();
  Deliver(q.window, q.message, nullptr);
  return true;
}

void SimDesktop::DispatchAll() {
  for (bool any = true; any;) {
    any = false;
    for (std::size_t i = 0; i < processes_.size(); ++i)
      while (DispatchOne(static_cast<int>(i))) any = true;
  }
}

bool SimDesktop::HasPending(int process) const {
  auto it = queues_.find(process);
  return it != queues_.end() && !it->second.empty();
}

std::uint32_t SimDesktop::RegisterMessage(std::string_view name) {
  auto [it, fresh] = registeredMessages_.emplace(base::LowerCase(name), 0);
  if (fresh) it->second = 0xC000 + static_cast<std::uint32_t>(registeredMessages_.size()) - 1;
  return it->second;
}

std::uint32_t SimDesktop::StartPeriodic(int process, std::uint32_t intervalMs, PeriodicCallback callback,
                                        void* context) {
  if (!callback || intervalMs == 0) return 0;
  Timer t{WindowHandle{}, nextPeriodic_++, intervalMs, elapsed_ + intervalMs};
  t.callback = callback;
  t.context = context;
  t.process = process;
  timers_.push_back(t);
  return t.id;
}

void SimDesktop::StopPeriodic(std::uint32_t id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.callback && t.id == id; }),
                timers_.end());
}

bool SimDesktop::SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t intervalMs) {
  if (!Window(w)) return false;
  intervalMs = std::max<std::uint32_t>(intervalMs, 10);
  for (auto& t : timers_)
    if (!t.callback && t.window == w && t.id == id) {
      t.interval = intervalMs;
      t.due = elapsed_ + intervalMs;
      return true;
    }
  timers_.push_back({w, id, intervalMs, elapsed_ + intervalMs});
  return true;
}

void SimDesktop::KillTimer(WindowHandle w, std::uint32_t id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return !t.callback && t.window == w && t.id == id; }),
                timers_.end());
}

// ---- shared memory ----

SharedMemory::Created SimDesktop::CreateMapping(std::string_view name, std::uint32_t size) {
  std::string key = base::LowerCase(name);
  auto it = blocks_.find(key);
  bool existed = it != blocks_.end();
  std::shared_ptr<Block> block;
  if (existed) {
    block = it->second;
  } else {
    block = std::make_shared<Block>();
    block->name = std::string(name);
    block->bytes.assign(size, 0);
    blocks_[key] = block;
  }
  MappingHandle h{nextMapping_++};
  block->references++;
  mappingHandles_[h.value] = block;
  return {h, existed};
}

MappingHandle SimDesktop::OpenMapping(std::string_view name) {
  auto it = blocks_.find(base::LowerCase(name));
  if (it == blocks_.end()) return {};
  MappingHandle h{nextMapping_++};
  it->second->references++;
  mappingHandles_[h.value] = it->second;
  return h;
}

std::uint8_t* SimDesktop::MapView(MappingHandle h, std::uint32_t size) {
  auto it = mappingHandles_.find(h.value);
  if (it == mappingHandles_.end()) return nullptr;
  auto& block = it->second;
  if (size > block->bytes.size()) return nullptr;  // a view larger than the section fails
  // Every view of a block is the same memory, as with a real section.
  std::uint8_t* view = block->bytes.data();
  views_[view] = block;
  block->views++;
  block->references++;
  return view;
}

void SimDesktop::UnmapView(std::uint8_t* view) {
  auto it = views_.find(view);
  if (it == views_.end()) return;
  auto block = it->second;
  if (--block->views == 0) views_.erase(it);
  ReleaseBlock(block);
}

void SimDesktop::CloseMapping(MappingHandle h) {
  auto it = mappingHandles_.find(h.value);
  if (it == mappingHandles_.end()) return;
  auto block = it->second;
  mappingHandles_.erase(it);
  ReleaseBlock(block);
}

void SimDesktop::ReleaseBlock(const std::shared_ptr<Block>& block) {
  if (--block->references > 0) return;
  blocks_.erase(base::LowerCase(block->name));
}

bool SimDesktop::MappingExists(std::string_view name) const { return blocks_.count(base::LowerCase(name)) != 0; }

// ---- files ----

std::string SimDesktop::HostPath(std::string_view windowsPath) const {
  namespace fs = std::filesystem;
  std::string p(windowsPath);
  std::replace(p.begin(), p.end(), '\\', '/');
  fs::path host = options_.hostRoot;
  std::size_t pos = 0;
  if (p.size() >= 2 && p[1] == ':') {
    host /= std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(p[0]))));
    pos = 2;
  } else {
    host /= "C";
  }
  // Walk the components, matching existing entries without case as Windows does.
  while (pos < p.size()) {
    std::size_t next = p.find('/', pos);
    std::string part = p.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
    pos = next == std::string::npos ? p.size() : next + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      host = host.parent_path();
      continue;
    }
    fs::path candidate = host / part;
    std::error_code ec;
    if (!fs::exists(candidate, ec) && fs::is_directory(host, ec)) {
      std::string want = base::LowerCase(part);
      for (const auto& e : fs::directory_iterator(host, ec))
        if (base::LowerCase(e.path().filename().string()) == want) {
          candidate = e.path();
          break;
        }
    }
    host = candidate;
  }
  return host.string();
}

// ---- forms ----

FormHandle SimDesktop::AddForm(SimForm form) {
  form.handle = FormHandle{nextForm_++};
  FormHandle h = form.handle;
  forms_[h.value] = std::move(form);
  return h;
}

void SimDesktop::RemoveForm(FormHandle h) { forms_.erase(h.value); }

SimForm* SimDesktop::Form(FormHandle h) {
  auto it = forms_.find(h.value);
  return it == forms_.end() ? nullptr : &it->second;
}

SimForm* SimDesktop::FindForm(std::string_view name) {
  std::string want = base::LowerCase(name);
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
    if (base::LowerCase(it->second.spec.name) == want || base::LowerCase(it->second.spec.className) == want) return &it->second;
  return nullptr;
}

std::optional<FormAnswer> SimDesktop::TakeAnswer(std::initializer_list<std::string_view> names) {
  for (auto it = answers_.begin(); it != answers_.end(); ++it) {
    std::string target = base::LowerCase(it->target);
    for (auto n : names)
      if (!n.empty() && base::LowerCase(n) == target) {
        FormAnswer a = *it;
        answers_.erase(it);
        return a;
      }
  }
  return std::nullopt;
}

gfx::FontService& SimDesktop::fonts() {
  if (!fonts_) fonts_ = gfx::font::CreateFontService(96);
  return *fonts_;
}

bool SimDesktop::WriteFails(std::string_view windowsPath) const {
  std::string p = base::LowerCase(windowsPath);
  for (const auto& f : failingFolders_)
    if (p.rfind(base::LowerCase(f), 0) == 0) return true;
  return false;
}

}  // namespace platform::sim
