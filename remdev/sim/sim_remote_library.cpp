#include "remdev/sim/sim_remote_library.h"

#include <algorithm>
#include <cstring>

#include "platform/platform.h"
#include "platform/sim/sim_process.h"

namespace remdev::sim {
namespace {

// Thrown inside the reader's wait when the process ends under it, so its
// thread unwinds as one the system ended.
struct ReaderEnded {};

constexpr std::uint32_t ErrorInvalidHandle = 6;
constexpr std::uint32_t ErrorGenFailure = 31;
constexpr std::size_t DriverQueueLength = 32;

}  // namespace

FakeInterface StandardRemote() {
  FakeInterface d;
  d.path = "\\\\?\\hid#vid_2d0a&pid_0002#remote#{4d1e55b2-f16f-11cf-88cb-001111000030}";
  d.vendor = PrimaryVendorId;
  d.product = PrimaryProductId;
  d.caps.usagePage = RemoteUsagePage;
  d.caps.usage = RemoteUsage;
  d.caps.inputReportLength = 9;
  d.caps.inputButtonCaps = 1;
  return d;
}

class SimEnvironment final : public Environment {
 public:
  explicit SimEnvironment(SimRemoteLibrary& s) : s_(s) {}

  Handle OpenInterfaceList() override {
    if (s_.Failing(Step::InterfaceList)) return 0;
    Handle h = s_.nextHandle_++;
    std::vector<int>& present = lists_[h];
    for (int i = 0; i < s_.interfaceCount(); ++i)
      if (s_.interfaces_[static_cast<std::size_t>(i)].present) present.push_back(i);
    ++s_.openLists_;
    return h;
  }
  bool InterfaceAt(Handle list, std::uint32_t index) override {
    auto it = lists_.find(list);
    return it != lists_.end() && index < it->second.size();
  }
  std::uint32_t DetailSize(Handle list, std::uint32_t index) override {
    if (s_.Failing(Step::DetailSize) || !InterfaceAt(list, index)) return 0;
    return static_cast<std::uint32_t>(PathOf(list, index).size() + 1);
  }
  bool ReadDetail(Handle list, std::uint32_t index, void* buffer, std::uint32_t size) override {
    if (s_.Failing(Step::Detail) || !InterfaceAt(list, index)) return false;
    const std::string& path = PathOf(list, index);
    if (size < path.size() + 1 || !blocks_.count(buffer)) return Misuse(false);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return true;
  }
  bool CloseInterfaceList(Handle list) override {
    if (!lists_.count(list)) return Misuse(false);
    if (s_.Failing(Step::CloseList)) return false;
    lists_.erase(list);
    --s_.openLists_;
    return true;
  }
  void* Allocate(std::uint32_t size) override {
    if (s_.Failing(Step::DetailMemory)) return nullptr;
    auto block = std::make_unique<std::uint8_t[]>(size);  // zero-filled
    void* p = block.get();
    blocks_[p] = std::move(block);
    ++s_.allocations_;
    return p;
  }
  void Free(void* block) override {
    if (!blocks_.erase(block)) return Misuse();
    --s_.allocations_;
  }

  Handle OpenDevice(const void* detail) override {
    if (s_.Failing(Step::OpenDevice)) return 0;
    std::string path(static_cast<const char*>(detail));
    for (int i = 0; i < s_.interfaceCount(); ++i) {
      const FakeInterface& d = s_.interfaces_[static_cast<std::size_t>(i)];
      if (d.present && d.path == path) {
        if (d.openTakesMs && OnReader()) {
          // A plain wait: completions do not run in it, the caller may.
          SimRemoteLibrary::Reader& r = *s_.reader_;
          r.wakeTimer = s_.desktop_.StartPeriodic(s_.process_, d.openTakesMs, &SimRemoteLibrary::WakeReader, &s_);
          r.state = SimRemoteLibrary::ReaderState::Busy;
          s_.Park();
          r.state = SimRemoteLibrary::ReaderState::Running;
          if (!s_.interfaces_[static_cast<std::size_t>(i)].present) return 0;
        }
        Handle h = s_.nextHandle_++;
        s_.devices_[h].interface = i;
        return h;
      }
    }
    return 0;
  }
  bool Attributes(Handle device, std::uint16_t& vendor, std::uint16_t& product) override {
    const FakeInterface* d = InterfaceOf(device);
    if (!d || s_.Failing(Step::Attributes)) return false;
    vendor = d->vendor;
    product = d->product;
    return true;
  }
  Handle PreparsedData(Handle device) override {
    const FakeInterface* d = InterfaceOf(device);
    if (!d || s_.Failing(Step::PreparsedData)) return 0;
    Handle h = s_.nextHandle_++;
    preparsed_[h] = d->caps;
    ++s_.preparsed_;
    return h;
  }
  void FreePreparsedData(Handle preparsed) override {
    if (!preparsed_.erase(preparsed)) return Misuse();
    --s_.preparsed_;
  }
  bool Caps(Handle preparsed, Capabilities& caps) override {
    auto it = preparsed_.find(preparsed);
    if (it == preparsed_.end()) return Misuse(false);
    if (s_.Failing(Step::Caps)) return false;
    caps = it->second;
    return true;
  }
  bool ValueCaps(Handle preparsed, std::uint16_t) override {
    if (!preparsed_.count(preparsed)) return Misuse(false);
    return !s_.Failing(Step::ValueCaps);
  }
  bool ButtonCaps(Handle preparsed, std::uint16_t) override {
    if (!preparsed_.count(preparsed)) return Misuse(false);
    return !s_.Failing(Step::ButtonCaps);
  }
  bool CloseDevice(Handle device) override {
    auto it = s_.devices_.find(device);
    if (it == s_.devices_.end()) return Misuse(false);
    if (s_.Failing(Step::CloseDevice)) return false;
    bool pending = it->second.readBuffer != nullptr;
    s_.devices_.erase(it);
    s_.driverQueue_.erase(device);
    // Closing a handle cancels its read; the completion still comes.
    if (pending && s_.reader_) s_.reader_->completions.push_back({ErrorOperationAborted, 0});
    return true;
  }

  std::uint32_t IssueRead(Handle device, std::uint8_t* buffer, std::uint32_t length) override {
    if (s_.Failing(Step::IssueRead)) {
      std::uint32_t e = s_.failures_[static_cast<int>(Step::IssueRead)].error;
      return e ? e : ErrorGenFailure;
    }
    auto it = s_.devices_.find(device);
    if (it == s_.devices_.end()) return ErrorInvalidHandle;
    if (it->second.readBuffer) return Misuse(ErrorGenFailure);  // one read at a time
    if (!s_.interfaces_[static_cast<std::size_t>(it->second.interface)].present) return ErrorDeviceNotConnected;
    auto& queue = s_.driverQueue_[device];
    if (!queue.empty()) {
      std::vector<std::uint8_t> report = std::move(queue.front());
      queue.pop_front();
      std::uint32_t n = std::min<std::uint32_t>(length, static_cast<std::uint32_t>(report.size()));
      std::memcpy(buffer, report.data(), n);
      s_.reader_->completions.push_back({0, n});
      return 0;
    }
    it->second.readBuffer = buffer;
    it->second.readLength = length;
    return 0;
  }
  bool CancelRead(Handle device) override {
    auto it = s_.devices_.find(device);
    if (it == s_.devices_.end()) return Misuse(false);
    if (s_.Failing(Step::CancelRead)) return false;
    if (it->second.readBuffer) {
      it->second.readBuffer = nullptr;
      s_.reader_->completions.push_back({ErrorOperationAborted, 0});
    }
    return true;
  }

  Handle StartReader(Library& library) override {
    if (s_.Failing(Step::StartReader)) return 0;
    if (s_.reader_) {
      if (s_.reader_->state != SimRemoteLibrary::ReaderState::Ended) return Misuse(Handle{0});
      s_.reader_->thread.join();
    }
    s_.reader_ = std::make_unique<SimRemoteLibrary::Reader>();
    s_.reader_->thread = std::thread([this, &library] { ReaderMain(library); });
    Handle h = s_.nextHandle_++;
    threads_.insert(h);
    ++s_.threadHandles_;
    // A new thread starts at once: it runs to its first wait.
    s_.Resume();
    return h;
  }
  void CloseThreadHandle(Handle thread) override {
    if (!threads_.erase(thread)) return Misuse();
    --s_.threadHandles_;
  }
  bool SleepAlertable(std::uint32_t ms) override {
    SimRemoteLibrary::Reader& r = *s_.reader_;
    if (RunCompletions()) return true;
    r.wakeTimer = s_.desktop_.StartPeriodic(s_.process_, ms, &SimRemoteLibrary::WakeReader, &s_);
    r.state = SimRemoteLibrary::ReaderState::Sleeping;
    s_.Park();
    r.state = SimRemoteLibrary::ReaderState::Running;
    if (r.wakeTimer) s_.desktop_.StopPeriodic(r.wakeTimer);
    r.wakeTimer = 0;
    return RunCompletions();
  }
  void WaitHandlingSends(std::uint32_t ms) override {
    ++s_.pumping_;
    if (s_.readerBlockedInSend()) s_.Resume();
    s_.desktop_.AdvanceBy(ms);
    --s_.pumping_;
  }
  void Sleep(std::uint32_t ms) override {
    s_.callerSleeping_ = true;
    s_.desktop_.AdvanceBy(ms);
    s_.callerSleeping_ = false;
  }
  std::uint32_t TickCount() override { return s_.desktop_.TickCount(); }
  void Send(std::uint64_t window, std::uint32_t message, std::uint32_t code, std::uint32_t time) override {
    if (OnReader()) {
      // From the reader: it waits until the receiving thread has handled it.
      SimRemoteLibrary::Reader& r = *s_.reader_;
      r.send = {window, message, code, time};
      r.state = SimRemoteLibrary::ReaderState::Sending;
      s_.Park();
      r.state = SimRemoteLibrary::ReaderState::Running;
      return;
    }
    s_.desktop_.Send(s_.process_, platform::WindowHandle{window}, {message, code, time});
  }

  Handle MakeMutex(const char*) override {
    if (s_.Failing(Step::CreateMutex)) return 0;
    Handle h = s_.nextHandle_++;
    mutexes_.insert(h);
    ++s_.mutexes_;
    ++s_.mutexesCreated_;
    return h;
  }
  bool WaitMutex(Handle mutex, std::uint32_t) override {
    if (!mutexes_.count(mutex)) return Misuse(false);
    return !s_.Failing(Step::WaitMutex);
  }
  void LeaveMutex(Handle mutex) override {
    if (!mutexes_.count(mutex)) Misuse();
  }
  void CloseMutex(Handle mutex) override {
    if (!mutexes_.erase(mutex)) return Misuse();
    --s_.mutexes_;
  }

  void DebugString(const char* text) override {
    std::string line(text);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    s_.Debug(std::move(line));
  }
  void ShowMessage(const char* text, const char* caption) override {
    s_.desktop_.trace().Add("remdev", std::string("message box \"") + text + "\" \"" + caption + "\"");
  }

  int misuses() const { return misuses_; }

 private:
  void ReaderMain(Library& library) {
    SimRemoteLibrary::Reader& r = *s_.reader_;
    {
      std::unique_lock<std::mutex> lock(s_.baton_);
      s_.batonChanged_.wait(lock, [&] { return r.turn; });
    }
    r.state = SimRemoteLibrary::ReaderState::Running;
    try {
      if (!r.killed) library.RunReader();
    } catch (const ReaderEnded&) {
    }
    std::lock_guard<std::mutex> lock(s_.baton_);
    r.state = SimRemoteLibrary::ReaderState::Ended;
    r.turn = false;
    s_.batonChanged_.notify_all();
  }
  bool OnReader() const { return s_.reader_ && s_.reader_->thread.get_id() == std::this_thread::get_id(); }
  bool RunCompletions() {
    SimRemoteLibrary::Reader& r = *s_.reader_;
    if (r.completions.empty()) return false;
    while (!r.completions.empty()) {
      SimRemoteLibrary::Reader::Completion c = r.completions.front();
      r.completions.pop_front();
      s_.library_->ReadCompleted(c.error, c.bytes);
    }
    return true;
  }
  const std::string& PathOf(Handle list, std::uint32_t index) {
    return s_.interfaces_[static_cast<std::size_t>(lists_[list][index])].path;
  }
  const FakeInterface* InterfaceOf(Handle device) {
    auto it = s_.devices_.find(device);
    return it == s_.devices_.end() ? nullptr : &s_.interfaces_[static_cast<std::size_t>(it->second.interface)];
  }
  void Misuse() { ++misuses_; }
  template <class T>
  T Misuse(T answer) {
    ++misuses_;
    return answer;
  }

  SimRemoteLibrary& s_;
  std::map<Handle, std::vector<int>> lists_;
  std::map<void*, std::unique_ptr<std::uint8_t[]>> blocks_;
  std::map<Handle, Capabilities> preparsed_;
  std::set<Handle> threads_, mutexes_;
  int misuses_ = 0;
};

SimRemoteLibrary::SimRemoteLibrary(platform::sim::SimDesktop& desktop)
    : desktop_(desktop), env_(std::make_unique<SimEnvironment>(*this)), library_(std::make_unique<Library>(*env_)) {}

SimRemoteLibrary::~SimRemoteLibrary() {
  if (reader_ && reader_->state != ReaderState::Ended) {
    if (reader_->wakeTimer) desktop_.StopPeriodic(reader_->wakeTimer);
    reader_->wakeTimer = 0;
    reader_->killed = true;
    HandBaton();
  }
  if (reader_ && reader_->thread.joinable()) reader_->thread.join();
  library_->Detach(true);
}

void SimRemoteLibrary::BindCaller() {
  if (!platform::HasPlatform()) return;
  if (auto* p = dynamic_cast<platform::sim::SimProcess*>(&platform::os())) process_ = p->id();
}

int SimRemoteLibrary::InitRemote(std::uint64_t window) {
  BindCaller();
  int result = library_->InitRemote(window);
  // The trace shows each change of answer, not every retry.
  if (result != lastInit_) desktop_.trace().Add("remdev", "InitRemote " + std::to_string(result));
  lastInit_ = result;
  return result;
}

int SimRemoteLibrary::TerminateRemote() {
  int result = library_->TerminateRemote();
  desktop_.trace().Add("remdev", "TerminateRemote " + std::to_string(result));
  return result;
}

int SimRemoteLibrary::OpenDevice(std::uint64_t window, std::uint32_t messageBase, bool reopen) {
  BindCaller();
  return library_->OpenDevice(window, messageBase, reopen);
}

int SimRemoteLibrary::ReadData(void* buffer, std::int32_t length) { return library_->ReadData(buffer, length); }
int SimRemoteLibrary::CloseDevice() { return library_->CloseDevice(); }

int SimRemoteLibrary::AddInterface(FakeInterface device) {
  interfaces_.push_back(std::move(device));
  return interfaceCount() - 1;
}

void SimRemoteLibrary::DeviceReport(int index, std::vector<std::uint8_t> report, std::uint32_t error) {
  if (index < 0 || index >= interfaceCount() || !interfaceAt(index).present) return;
  for (auto& [handle, open] : devices_) {
    if (open.interface != index) continue;
    if (open.readBuffer) {
      std::uint32_t n = std::min<std::uint32_t>(open.readLength, static_cast<std::uint32_t>(report.size()));
      std::memcpy(open.readBuffer, report.data(), n);
      Complete(handle, error, error ? 0 : n);
      return;
    }
    auto& queue = driverQueue_[handle];
    if (queue.size() == DriverQueueLength) queue.pop_front();
    queue.push_back(std::move(report));
    return;
  }
}

void SimRemoteLibrary::Unplug(int index) {
  if (index < 0 || index >= interfaceCount()) return;
  FakeInterface& d = interfaceAt(index);
  d.present = false;
  for (auto& [handle, open] : devices_)
    if (open.interface == index) {
      driverQueue_.erase(handle);
      if (open.readBuffer) {
        Complete(handle, d.unplugError, 0);
        return;
      }
    }
}

void SimRemoteLibrary::Plug(int index) {
  if (index >= 0 && index < interfaceCount()) interfaceAt(index).present = true;
}

void SimRemoteLibrary::Fail(Step step, int times, std::uint32_t error) {
  failures_[static_cast<int>(step)] = {times, error};
}

void SimRemoteLibrary::SetReceiverBusy(bool busy) {
  receiverBusy_ = busy;
  if (!busy && readerBlockedInSend()) Resume();
}

int SimRemoteLibrary::misuses() const { return env_->misuses(); }

bool SimRemoteLibrary::Failing(Step step) {
  Failure& f = failures_[static_cast<int>(step)];
  if (f.times <= 0) return false;
  --f.times;
  return true;
}

void SimRemoteLibrary::Resume() {
  for (;;) {
    if (!reader_) return;
    Reader& r = *reader_;
    if (r.state == ReaderState::Ended || r.state == ReaderState::Delivering) return;
    if (r.state == ReaderState::Sending) {
      if (!ReceiverAnswers()) return;  // it goes on waiting in its send
      DeliverSend();
    }
    HandBaton();
    if (r.state != ReaderState::Sending) return;
  }
}

void SimRemoteLibrary::HandBaton() {
  Reader& r = *reader_;
  std::unique_lock<std::mutex> lock(baton_);
  r.turn = true;
  batonChanged_.notify_all();
  batonChanged_.wait(lock, [&] { return !r.turn; });
}

void SimRemoteLibrary::Park() {
  Reader& r = *reader_;
  std::unique_lock<std::mutex> lock(baton_);
  r.turn = false;
  batonChanged_.notify_all();
  batonChanged_.wait(lock, [&] { return r.turn; });
  if (r.killed) throw ReaderEnded{};
}

bool SimRemoteLibrary::ReceiverAnswers() const { return pumping_ > 0 || (!receiverBusy_ && !callerSleeping_); }

void SimRemoteLibrary::DeliverSend() {
  Reader& r = *reader_;
  Reader::PendingSend s = r.send;
  // Taken: a wait inside the handler does not deliver it a second time.
  r.state = ReaderState::Delivering;
  desktop_.Send(process_, platform::WindowHandle{s.window}, {s.message, s.code, s.time});
}

void SimRemoteLibrary::Complete(Handle device, std::uint32_t error, std::uint32_t bytes) {
  auto it = devices_.find(device);
  if (it == devices_.end() || !reader_) return;
  it->second.readBuffer = nullptr;
  reader_->completions.push_back({error, bytes});
  // The reader is in its alertable sleep: the completion runs there now.
  if (reader_->state == ReaderState::Sleeping) Resume();
}

void SimRemoteLibrary::Debug(std::string line) {
  if (debugLines_.size() == 200) debugLines_.pop_front();
  debugLines_.push_back(std::move(line));
}

void SimRemoteLibrary::WakeReader(void* self) {
  auto& s = *static_cast<SimRemoteLibrary*>(self);
  if (!s.reader_ || (s.reader_->state != ReaderState::Sleeping && s.reader_->state != ReaderState::Busy)) return;
  s.desktop_.StopPeriodic(s.reader_->wakeTimer);
  s.reader_->wakeTimer = 0;
  s.Resume();
}

}  // namespace remdev::sim
