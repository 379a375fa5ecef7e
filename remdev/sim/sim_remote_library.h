// Remdev on the simulated desktop: the library's own logic against a fake HID
// source (the interfaces present, the reports a device sends, unplugging and
// plugging back, a failure injected at any step, every handle and block
// counted). The reader is a thread of its own, but it runs only while the
// caller waits for it (a baton passes between the two), so every run is
// deterministic: it sleeps on the desktop's virtual clock, its completions
// run in its alertable sleeps as Windows runs them, and its sends are handled
// whenever the receiving thread answers sent messages.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "remdev/remdev_logic.h"
#include "shared/remote_library.h"

namespace remdev::sim {

// A step of the environment where a failure can be injected.
enum class Step {
  InterfaceList,  // SetupDiGetClassDevsA
  DetailSize,
  DetailMemory,
  Detail,  // SetupDiGetDeviceInterfaceDetailA
  OpenDevice,  // CreateFileA
  Attributes,
  PreparsedData,
  Caps,
  ValueCaps,
  ButtonCaps,
  CloseDevice,  // CloseHandle of a device
  CloseList,    // SetupDiDestroyDeviceInfoList
  StartReader,  // CreateThread
  CreateMutex,
  WaitMutex,  // the wait times out
  IssueRead,  // ReadFileEx fails with the step's error
  CancelRead,
  Count
};

struct FakeInterface {
  std::string path;
  std::uint16_t vendor = 0, product = 0;
  Capabilities caps;
  bool present = true;
  // The error a pending read completes with when the device is unplugged.
  std::uint32_t unplugError = ErrorDeviceNotConnected;
  // How long opening it keeps the opening thread (CreateFileA is not instant).
  std::uint32_t openTakesMs = 0;
};

// The hand-held remote as it presents itself: 9-byte input reports.
FakeInterface StandardRemote();

class SimRemoteLibrary final : public shared::RemoteLibrary {
 public:
  explicit SimRemoteLibrary(platform::sim::SimDesktop& desktop);
  // Ends as a process does: the reader thread is ended by the system, then
  // the library's process detach runs.
  ~SimRemoteLibrary() override;
  SimRemoteLibrary(const SimRemoteLibrary&) = delete;
  SimRemoteLibrary& operator=(const SimRemoteLibrary&) = delete;

  // shared::RemoteLibrary; called on the thread of the simulated process that
  // uses the library (its platform bound). The trace shows "remdev InitRemote
  // N" when the answer changes and "remdev TerminateRemote N".
  int InitRemote(std::uint64_t window) override;
  int TerminateRemote() override;
  // The other exports.
  int OpenDevice(std::uint64_t window, std::uint32_t messageBase, bool reopen);
  int ReadData(void* buffer, std::int32_t length);
  int CloseDevice();
  Library& library() { return *library_; }

  // The HID interfaces present, in enumeration order.
  int AddInterface(FakeInterface device);
  FakeInterface& interfaceAt(int index) { return interfaces_[static_cast<std::size_t>(index)]; }
  int interfaceCount() const { return static_cast<int>(interfaces_.size()); }
  // A report as the device sends it (report id first). It completes a pending
  // read at once; otherwise the driver keeps it (up to 32) for the next read.
  // bytesRead defaults to the report's size; an error makes a failed completion.
  void DeviceReport(int index, std::vector<std::uint8_t> report, std::uint32_t error = 0);
  void Unplug(int index);
  void Plug(int index);

  // The next `times` calls of the step fail (IssueRead: with `error`).
  void Fail(Step step, int times = 1, std::uint32_t error = 0);
  // While the receiving thread is busy it answers no sent message: a reader
  // that sends waits. Clearing it lets the waiting send through.
  void SetReceiverBusy(bool busy);

  // Accounting.
  int openLists() const { return openLists_; }
  int openDevices() const { return static_cast<int>(devices_.size()); }
  int openThreadHandles() const { return threadHandles_; }
  int openMutexes() const { return mutexes_; }
  int preparsedBlocks() const { return preparsed_; }
  int allocations() const { return allocations_; }
  int mutexesCreated() const { return mutexesCreated_; }
  bool readerAlive() const { return reader_ && reader_->state != ReaderState::Ended; }
  bool readerBlockedInSend() const { return reader_ && reader_->state == ReaderState::Sending; }
  // The debugger output (OutputDebugStringA), the latest 200 lines.
  const std::deque<std::string>& debugLines() const { return debugLines_; }
  // Handles closed twice, blocks freed twice, unknown handles used: each a fault.
  int misuses() const;

 private:
  friend class SimEnvironment;
  enum class ReaderState { Starting, Running, Sleeping, Busy, Sending, Delivering, Ended };
  struct Reader {
    std::thread thread;
    ReaderState state = ReaderState::Starting;
    bool turn = false;  // the reader holds the baton
    bool killed = false;
    std::uint32_t wakeTimer = 0;
    struct Completion {
      std::uint32_t error, bytes;
    };
    std::deque<Completion> completions;
    struct PendingSend {
      std::uint64_t window;
      std::uint32_t message, code, time;
    } send{};
  };
  struct OpenHandle {
    int interface = 0;
    std::uint8_t* readBuffer = nullptr;  // the pending read's
    std::uint32_t readLength = 0;
  };

  bool Failing(Step step);
  void BindCaller();
  void HandBaton();
  // Caller's side: lets the reader run until it waits again, handling its
  // sends while the receiver answers them.
  void Resume();
  // Reader's side: hands the baton back and waits for it.
  void Park();
  bool ReceiverAnswers() const;
  void DeliverSend();
  void Complete(Handle device, std::uint32_t error, std::uint32_t bytes);
  void Debug(std::string line);
  static void WakeReader(void* self);

  platform::sim::SimDesktop& desktop_;
  int process_ = -1;  // of the caller, taken when it opens
  std::unique_ptr<class SimEnvironment> env_;
  std::unique_ptr<Library> library_;
  std::vector<FakeInterface> interfaces_;
  std::map<Handle, std::deque<std::vector<std::uint8_t>>> driverQueue_;
  std::map<Handle, OpenHandle> devices_;
  struct Failure {
    int times = 0;
    std::uint32_t error = 0;
  };
  Failure failures_[static_cast<int>(Step::Count)];
  Handle nextHandle_ = 0x100;
  int openLists_ = 0, threadHandles_ = 0, mutexes_ = 0, mutexesCreated_ = 0, preparsed_ = 0, allocations_ = 0;
  bool receiverBusy_ = false;
  int lastInit_ = -1;
  int pumping_ = 0;         // inside WaitHandlingSends
  bool callerSleeping_ = false;  // inside a plain wait
  std::mutex baton_;
  std::condition_variable batonChanged_;
  std::unique_ptr<Reader> reader_;
  std::deque<std::string> debugLines_;
};

}  // namespace remdev::sim
