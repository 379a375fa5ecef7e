// The library's exports and its reader: open, read, reopen, stop.
#include <cstdio>
#include <cstring>

#include "remdev/remdev_logic.h"
#include "shared/event_codes.h"

namespace remdev {

int Library::InitRemote(std::uint64_t window) {
  return OpenDevice(window, shared::DeviceButtonDownMessage, false) == Opened ? 1 : 0;
}

int Library::OpenDevice(std::uint64_t window, std::uint32_t messageBase, bool /*reopen*/) {
  if (deviceOpen_.load()) return AlreadyOpen;
  CloseThreadHandle();  // of a reader that ended by itself
  window_ = window;
  base_ = messageBase;
  // Only here, before any reader runs: clearing it while the reader reopens
  // would lose a stop that CloseDevice then waits for.
  stopRequested_.store(false);
  int result = Enumerate();
  if (result != Opened) return result;

  // The mutex lives as long as the library: ReadData may still drain the ring
  // after a close, and a reopen must not make another.
  if (!mutex_) {
    mutex_ = env_.MakeMutex(MutexName);
    if (!mutex_) env_.ShowMessage("Unable to create the mutex.", "Unexpected error");
  }
  // Without a mutex nobody else touches the ring (appends drop, reads answer 0).
  if (!mutex_) {
    ring_.Reset();
  } else if (env_.WaitMutex(mutex_, MutexWaitMs)) {
    ring_.Reset();
    env_.LeaveMutex(mutex_);
  }

  std::memset(previous_, 0, sizeof previous_);
  held_.Clear();
  closing_ = false;
  readError_ = false;
  deviceOpen_.store(true);
  thread_ = env_.StartReader(*this);
  if (!thread_) {
    env_.ShowMessage("CreateThread failed.", "Debug");
    env_.CloseDevice(device_);
    device_ = 0;
    deviceOpen_.store(false);
    return NoThread;
  }
  return Opened;
}

int Library::Enumerate() {
  Handle list = env_.OpenInterfaceList();
  if (!list) return NoInterfaceList;
  int result = NoDevice;
  for (std::uint32_t index = 0;; ++index) {
    if (!env_.InterfaceAt(list, index)) break;
    std::uint32_t size = env_.DetailSize(list, index);
    if (size == 0) {
      result = NoDetail;
      break;
    }
    void* detail = env_.Allocate(size);
    if (!detail) {
      result = NoDetailMemory;
      break;
    }
    if (!env_.ReadDetail(list, index, detail, size)) {
      env_.Free(detail);
      result = NoDetail;
      break;
    }
    Handle device = env_.OpenDevice(detail);
    env_.Free(detail);
    if (!device) continue;  // another program holds it exclusively, say
    int examined = Examine(device);
    if (examined == Opened) {
      device_ = device;
      result = Opened;
      break;
    }
    bool closed = env_.CloseDevice(device);
    if (examined != 0) {
      result = examined;
      break;
    }
    if (!closed) {
      result = CloseFailed;
      break;
    }
  }
  if (!env_.CloseInterfaceList(list) && result == Opened) {
    // A failed open leaves nothing open behind it.
    env_.CloseDevice(device_);
    device_ = 0;
    result = ListNotDestroyed;
  }
  return result;
}

// 1 when the interface is the remote (its caps and report length taken), 0
// when it is another device, else the result code of the failed step.
int Library::Examine(Handle device) {
  std::uint16_t vendor = 0, product = 0;
  if (!env_.Attributes(device, vendor, product)) return 0;
  bool ours = (vendor == PrimaryVendorId && product == PrimaryProductId) ||
              (vendor == SecondVendorId && product == SecondProductId);
  if (!ours) return 0;
  Handle preparsed = env_.PreparsedData(device);
  if (!preparsed) return NoPreparsedData;
  Capabilities caps;
  int result = 0;
  if (!env_.Caps(preparsed, caps)) {
    result = NoCaps;
  } else if (caps.usagePage == RemoteUsagePage && caps.usage == RemoteUsage &&
             caps.inputReportLength >= MinReportLength && caps.inputReportLength <= MaxReportLength) {
    if (caps.inputValueCaps && !env_.ValueCaps(preparsed, caps.inputValueCaps))
      result = NoValueCaps;
    else if (caps.inputButtonCaps && !env_.ButtonCaps(preparsed, caps.inputButtonCaps))
      result = NoButtonCaps;
    else
      result = Opened;
  }
  // Nothing needs it after the caps: freed here, by the one that read it.
  env_.FreePreparsedData(preparsed);
  if (result == Opened) {
    caps_ = caps;
    reportLength_ = caps.inputReportLength;
  }
  return result;
}

void Library::RunReader() {
  for (;;) {
    if (stopRequested_.load()) {
      EndReader();
      return;
    }
    std::uint32_t error = env_.IssueRead(device_, current_, reportLength_);
    if (error == 0) {
      env_.DebugString("ReadFileEx initiated without error.\r\n");
      if (!AwaitCompletion()) return;
      continue;
    }
    DebugFormat("ReadFileEx failed. %u\r\n", error);
    if (stopRequested_.load()) {
      EndReader();
      return;
    }
    if (error == ErrorDeviceNotConnected) {
      LoseDevice();
      if (!Reopen()) {
        EndReader();
        return;
      }
    }
    env_.SleepAlertable(ReadWaitMs);
  }
}

// Waits for the pending read's completion; false when the reader has ended.
bool Library::AwaitCompletion() {
  for (;;) {
    bool completed = env_.SleepAlertable(ReadWaitMs);
    if (stopRequested_.load() && !closing_) {
      closing_ = true;
      if (!env_.CancelRead(device_)) {
        // The handle is closed all the same (that cancels the read too).
        EndReader();
        return false;
      }
    }
    if (!completed) continue;
    env_.DebugString("ReadFileEx WAIT_IO_COMPLETION.\r\n");
    if (closing_) {
      EndReader();
      return false;
    }
    if (readError_) {
      readError_ = false;
      LoseDevice();
      if (!Reopen()) {
        EndReader();
        return false;
      }
    }
    return true;
  }
}

// Tries every 100 ms until the device is back (true) or a stop is requested.
bool Library::Reopen() {
  for (;;) {
    if (stopRequested_.load()) return false;
    if (Enumerate() == Opened) return true;
    env_.SleepAlertable(ReopenIntervalMs);
  }
}

void Library::EndReader() {
  if (device_) env_.CloseDevice(device_);
  device_ = 0;
  // Last: CloseDevice's caller takes over the rest once it sees this.
  deviceOpen_.store(false);
}

// The device went away: what was held is released now (a held hold-mode
// button would otherwise keep the pointer frozen until the device is back),
// and the first report after it returns starts from nothing held.
void Library::LoseDevice() {
  std::uint32_t time = env_.TickCount();
  while (held_.size() > 0 && !stopRequested_.load()) {
    Change release{false, held_[0]};
    Report(release, time);
    held_.Remove(release.code);
  }
  std::memset(previous_, 0, sizeof previous_);
  if (device_) env_.CloseDevice(device_);
  device_ = 0;
}

void Library::ReadCompleted(std::uint32_t error, std::uint32_t bytes) {
  if (bytes == reportLength_ && bytes >= MinReportLength && bytes <= MaxReportLength) {
    CompareReports();
    return;
  }
  if ((error & 0xC0000000u) == 0xC0000000u) {
    readError_ = true;
    env_.DebugString("Rx wrong length packet\r\n");
  }
}

void Library::CompareReports() {
  if (std::memcmp(current_, previous_, reportLength_) == 0) return;
  std::uint32_t time = env_.TickCount();
  Changes changes = DiffReports(held_, ReportCodes(current_, reportLength_));
  for (int i = 0; i < changes.count; ++i) {
    // A stopping library sends nothing more: the closer may be waiting on the
    // receiving thread. What stays held is released by the closer.
    if (stopRequested_.load()) break;
    const Change& c = changes.items[i];
    Report(c, time);
    if (c.press)
      held_.Add(c.code);
    else
      held_.Remove(c.code);
  }
  std::memcpy(previous_, current_, reportLength_);
}

void Library::Report(const Change& change, std::uint32_t time) {
  std::uint32_t message = base_ + (change.press ? 0 : 1);
  if (window_) {
    env_.Send(window_, message, change.code, time);
    return;
  }
  std::uint8_t record[RecordSize];
  for (int i = 0; i < 4; ++i) {
    record[i] = static_cast<std::uint8_t>(message >> (8 * i));
    record[4 + i] = static_cast<std::uint8_t>(std::uint32_t{change.code} >> (8 * i));
  }
  // A timed-out wait drops the record rather than touch the ring unguarded.
  if (!mutex_ || !env_.WaitMutex(mutex_, MutexWaitMs)) return;
  ring_.Append(record, RecordSize);
  env_.LeaveMutex(mutex_);
}

int Library::ReadData(void* buffer, std::int32_t length) {
  if (!buffer || length < 1 || length > static_cast<std::int32_t>(RingSize)) return 0;
  if (!mutex_ || !env_.WaitMutex(mutex_, MutexWaitMs)) return 0;
  bool taken = ring_.Take(static_cast<std::uint8_t*>(buffer), static_cast<std::uint32_t>(length));
  env_.LeaveMutex(mutex_);
  return taken ? 1 : 0;
}

int Library::CloseDevice() {
  if (!deviceOpen_.load()) {
    CloseThreadHandle();
    return 0;
  }
  stopRequested_.store(true);
  // The reader may be inside its send to this very thread: wait handling
  // sent messages, so that send can finish, and never longer than the bound.
  std::uint32_t start = env_.TickCount();
  while (deviceOpen_.load() && env_.TickCount() - start < CloseWaitMs) env_.WaitHandlingSends(CloseWaitStepMs);
  CloseThreadHandle();
  if (deviceOpen_.load()) {
    // Still stuck: it ends at its next step (the stop stays requested), and
    // a new open answers 11 until then.
    env_.DebugString("The reader did not end in time.\r\n");
    return 1;
  }
  ReleaseHeld();
  return 1;
}

void Library::Detach(bool processEnding) {
  if (deviceOpen_.load()) {
    stopRequested_.store(true);
    if (processEnding) {
      // The reader is gone; what it held is closed here.
      if (device_) env_.CloseDevice(device_);
      device_ = 0;
      deviceOpen_.store(false);
    } else {
      // Unloaded while running (the program did not call TerminateRemote):
      // no sends under the loader's lock, a bounded wait only.
      std::uint32_t start = env_.TickCount();
      while (deviceOpen_.load() && env_.TickCount() - start < CloseWaitMs) env_.Sleep(CloseWaitStepMs);
    }
  }
  CloseThreadHandle();
  if (mutex_ && !deviceOpen_.load()) {
    env_.CloseMutex(mutex_);
    mutex_ = 0;
  }
}

void Library::ReleaseHeld() {
  std::uint32_t time = env_.TickCount();
  while (held_.size() > 0) {
    Change release{false, held_[0]};
    Report(release, time);
    held_.Remove(release.code);
  }
}

void Library::CloseThreadHandle() {
  if (thread_) env_.CloseThreadHandle(thread_);
  thread_ = 0;
}

void Library::DebugFormat(const char* format, std::uint32_t value) {
  char line[64];
  std::snprintf(line, sizeof line, format, value);
  env_.DebugString(line);
}

}  // namespace remdev
