// What the remote-device library needs from its system: HID enumeration and
// reading, one reader thread with alertable waits, a named mutex, a
// synchronous send and the debugger output. Kernel, SetupAPI and HID in
// Remdev.dll (win32/); the fake HID source on the simulated desktop (sim/).
#pragma once
#include <cstdint>

namespace remdev {

class Library;

// Opaque handles of the environment; 0 is none.
using Handle = std::uintptr_t;

// The top-level collection of an interface (HidP_GetCaps).
struct Capabilities {
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
  std::uint16_t inputReportLength = 0;  // the report id byte included
  std::uint16_t inputValueCaps = 0;
  std::uint16_t inputButtonCaps = 0;
};

// The system's error numbers the reader tells apart.
inline constexpr std::uint32_t ErrorDeviceNotConnected = 1167;
inline constexpr std::uint32_t ErrorOperationAborted = 995;

class Environment {
 public:
  virtual ~Environment() = default;

  // SetupAPI: the present interfaces of the HID class. 0 when the list could
  // not be had.
  virtual Handle OpenInterfaceList() = 0;
  // False when the list has no interface at that index (or it cannot be read).
  virtual bool InterfaceAt(Handle list, std::uint32_t index) = 0;
  // Bytes the interface's detail needs; 0 when the size query failed.
  virtual std::uint32_t DetailSize(Handle list, std::uint32_t index) = 0;
  // Reads the detail (it holds the device path) into a buffer of that size.
  virtual bool ReadDetail(Handle list, std::uint32_t index, void* buffer, std::uint32_t size) = 0;
  virtual bool CloseInterfaceList(Handle list) = 0;
  // Zero-filled memory for an interface detail; null when there is none.
  virtual void* Allocate(std::uint32_t size) = 0;
  virtual void Free(void* block) = 0;

  // HID: the device of a detail, opened for overlapped reading; 0 on failure.
  virtual Handle OpenDevice(const void* detail) = 0;
  virtual bool Attributes(Handle device, std::uint16_t& vendor, std::uint16_t& product) = 0;
  virtual Handle PreparsedData(Handle device) = 0;
  virtual void FreePreparsedData(Handle preparsed) = 0;
  virtual bool Caps(Handle preparsed, Capabilities& caps) = 0;
  virtual bool ValueCaps(Handle preparsed, std::uint16_t count) = 0;
  virtual bool ButtonCaps(Handle preparsed, std::uint16_t count) = 0;
  virtual bool CloseDevice(Handle device) = 0;

  // Reading. IssueRead starts one overlapped read of `length` bytes into
  // `buffer`; its completion runs on the reader thread inside a later
  // SleepAlertable, as Library::ReadCompleted. Returns 0 when the read is
  // under way, else the system's error number.
  virtual std::uint32_t IssueRead(Handle device, std::uint8_t* buffer, std::uint32_t length) = 0;
  // Cancels the pending read; its completion still runs (aborted).
  virtual bool CancelRead(Handle device) = 0;

  // Threads. StartReader runs library.RunReader() on a thread of its own and
  // returns that thread's handle (0 when it could not be created).
  virtual Handle StartReader(Library& library) = 0;
  virtual void CloseThreadHandle(Handle thread) = 0;
  // The reader's alertable sleep; true when a completion ran in it.
  virtual bool SleepAlertable(std::uint32_t ms) = 0;
  // The calling thread waits up to ms, handling the messages other threads
  // send to it meanwhile (so a reader inside its send can finish).
  virtual void WaitHandlingSends(std::uint32_t ms) = 0;
  // A plain wait that handles nothing (used where sending back would be unsafe).
  virtual void Sleep(std::uint32_t ms) = 0;
  virtual std::uint32_t TickCount() = 0;
  // SendMessageA: returns once the window's thread has handled it.
  virtual void Send(std::uint64_t window, std::uint32_t message, std::uint32_t code, std::uint32_t time) = 0;

  // The named mutex; 0 when it could not be created.
  virtual Handle MakeMutex(const char* name) = 0;
  virtual bool WaitMutex(Handle mutex, std::uint32_t ms) = 0;
  virtual void LeaveMutex(Handle mutex) = 0;
  virtual void CloseMutex(Handle mutex) = 0;

  virtual void DebugString(const char* text) = 0;
  virtual void ShowMessage(const char* text, const char* caption) = 0;
};

}  // namespace remdev
