// Remdev: the remote-device library, written once for both builds. It finds
// the hand-held remote among the HID interfaces, reads its reports on one
// reader thread, turns each change of the held buttons into a press or a
// release, and delivers them with a synchronous send to the caller's window
// (or, without a window, as 8-byte records in a ring the caller drains). It
// reaches the system only through Environment (remdev_environment.h).
//
// Ownership, one owner per resource: the device handle is the opener's until
// the reader starts, then the reader's until it ends; the preparsed data lives
// only inside the open that read it; the mutex is made once and kept for the
// library's life; the thread handle is closed once the reader has ended.
#pragma once
#include <atomic>
#include <cstdint>

#include "remdev/remdev_environment.h"

namespace remdev {

// The remote's identity: either vendor/product pair, on the vendor-defined
// usage page 0xFF00, usage 1.
inline constexpr std::uint16_t PrimaryVendorId = 0x2D0A;
inline constexpr std::uint16_t PrimaryProductId = 0x0002;
inline constexpr std::uint16_t SecondVendorId = 0x05F3;
inline constexpr std::uint16_t SecondProductId = 0x0105;
inline constexpr std::uint16_t RemoteUsagePage = 0xFF00;
inline constexpr std::uint16_t RemoteUsage = 1;

// Both report buffers hold this much; a longer (or shorter than id + one
// code) input report is not our remote.
inline constexpr std::uint32_t MaxReportLength = 100;
inline constexpr std::uint32_t MinReportLength = 2;

inline constexpr std::uint32_t RingSize = 4096;
inline constexpr std::uint32_t RecordSize = 8;
inline constexpr const char* MutexName = "Quorell.dll DataRea Mutex";
inline constexpr std::uint32_t MutexWaitMs = 100;
inline constexpr std::uint32_t ReadWaitMs = 55;
inline constexpr std::uint32_t ReopenIntervalMs = 100;
// How long CloseDevice waits for the reader at most: it normally ends within
// one read wait, but a reader stuck in a send to a thread that cannot answer
// must not hang the caller's exit.
inline constexpr std::uint32_t CloseWaitMs = 1000;
inline constexpr std::uint32_t CloseWaitStepMs = 10;

// OpenDevice's result codes.
enum OpenResult : int {
  Opened = 1,
  AlreadyOpen = 11,
  NoInterfaceList = 12,
  NoDevice = 13,
  NoDetailMemory = 14,
  NoDetail = 15,
  NoPreparsedData = 16,
  NoCaps = 17,
  NoValueCaps = 18,
  NoButtonCaps = 19,
  CloseFailed = 20,
  ListNotDestroyed = 21,
  NoThread = 22,
};

// The held buttons: distinct codes 1..255 in the order they went down.
class HeldButtons {
 public:
  bool Has(std::uint8_t code) const { return (bits_[code >> 6] >> (code & 63)) & 1; }
  void Add(std::uint8_t code);
  void Remove(std::uint8_t code);
  void Clear();
  int size() const { return count_; }
  std::uint8_t operator[](int i) const { return codes_[i]; }

 private:
  std::uint64_t bits_[4] = {};
  std::uint8_t codes_[255] = {};
  int count_ = 0;
};

// The codes of a report: bytes 1.. up to the first 0 byte or the end, each
// code once (a repeated code counts once), in report order.
HeldButtons ReportCodes(const std::uint8_t* report, std::uint32_t length);

struct Change {
  bool press;
  std::uint8_t code;
};

// What turns `before` into `now`: presses of the new codes in report order,
// then releases of the codes that went, in the order they were pressed.
struct Changes {
  Change items[2 * 255];
  int count = 0;
};
Changes DiffReports(const HeldButtons& before, const HeldButtons& now);

// The ring of 8-byte records; no lock of its own (the library takes the mutex).
class RingBuffer {
 public:
  // Appends when the record is shorter than the free space (so the ring never
  // fills completely); false when it was dropped.
  bool Append(const std::uint8_t* bytes, std::uint32_t length);
  // Takes exactly `length` bytes, wrapping at the end; false (and nothing
  // taken) when fewer are held.
  bool Take(std::uint8_t* out, std::uint32_t length);
  void Reset();
  std::uint32_t fill() const { return fill_; }

 private:
  std::uint8_t bytes_[RingSize] = {};
  std::uint32_t write_ = 0, read_ = 0, fill_ = 0;
};

class Library final {
 public:
  explicit Library(Environment& env) : env_(env) {}
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // The exports.
  int InitRemote(std::uint64_t window);
  int TerminateRemote() { return CloseDevice(); }
  // A reopen is the reader's own business: a caller's open while the reader
  // runs answers 11 whatever `reopen` says, and otherwise opens afresh.
  int OpenDevice(std::uint64_t window, std::uint32_t messageBase, bool reopen);
  int ReadData(void* buffer, std::int32_t length);
  int CloseDevice();
  // Process detach. processEnding: the system has already ended the other
  // threads (the reader among them), so nothing is waited for or sent.
  void Detach(bool processEnding);

  // The reader thread's body (Environment::StartReader runs it).
  void RunReader();
  // A read's completion, on the reader thread.
  void ReadCompleted(std::uint32_t error, std::uint32_t bytes);

  bool deviceOpen() const { return deviceOpen_.load(); }
  std::uint32_t reportLength() const { return reportLength_; }
  const HeldButtons& held() const { return held_; }

 private:
  int Enumerate();
  int Examine(Handle device);
  bool AwaitCompletion();
  bool Reopen();
  void EndReader();
  void LoseDevice();
  void CompareReports();
  void Report(const Change& change, std::uint32_t time);
  void ReleaseHeld();
  void CloseThreadHandle();
  void DebugFormat(const char* format, std::uint32_t value);

  Environment& env_;
  Handle device_ = 0;
  Capabilities caps_;
  std::uint32_t reportLength_ = 0;
  std::uint64_t window_ = 0;
  std::uint32_t base_ = 0;
  std::uint8_t current_[MaxReportLength] = {};
  std::uint8_t previous_[MaxReportLength] = {};
  // What the receiver has been told is down; releases go out from here.
  HeldButtons held_;
  std::atomic<bool> deviceOpen_{false};
  std::atomic<bool> stopRequested_{false};
  bool closing_ = false;    // the reader's own
  bool readError_ = false;  // set by a completion, read by the reader
  RingBuffer ring_;
  Handle mutex_ = 0;
  Handle thread_ = 0;
};

}  // namespace remdev
