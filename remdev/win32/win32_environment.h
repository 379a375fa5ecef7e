// The library's environment on Windows: kernel32, SetupAPI and HID.
#pragma once
#include <windows.h>

#include <setupapi.h>

#include "remdev/remdev_logic.h"

namespace remdev::win32 {

class Win32Environment final : public Environment {
 public:
  Handle OpenInterfaceList() override;
  bool InterfaceAt(Handle list, std::uint32_t index) override;
  std::uint32_t DetailSize(Handle list, std::uint32_t index) override;
  bool ReadDetail(Handle list, std::uint32_t index, void* buffer, std::uint32_t size) override;
  bool CloseInterfaceList(Handle list) override;
  void* Allocate(std::uint32_t size) override;
  void Free(void* block) override;

  Handle OpenDevice(const void* detail) override;
  bool Attributes(Handle device, std::uint16_t& vendor, std::uint16_t& product) override;
  Handle PreparsedData(Handle device) override;
  void FreePreparsedData(Handle preparsed) override;
  bool Caps(Handle preparsed, Capabilities& caps) override;
  bool ValueCaps(Handle preparsed, std::uint16_t count) override;
  bool ButtonCaps(Handle preparsed, std::uint16_t count) override;
  bool CloseDevice(Handle device) override;

  std::uint32_t IssueRead(Handle device, std::uint8_t* buffer, std::uint32_t length) override;
  bool CancelRead(Handle device) override;

  Handle StartReader(Library& library) override;
  void CloseThreadHandle(Handle thread) override;
  bool SleepAlertable(std::uint32_t ms) override;
  void WaitHandlingSends(std::uint32_t ms) override;
  void Sleep(std::uint32_t ms) override;
  std::uint32_t TickCount() override;
  void Send(std::uint64_t window, std::uint32_t message, std::uint32_t code, std::uint32_t time) override;

  Handle MakeMutex(const char* name) override;
  bool WaitMutex(Handle mutex, std::uint32_t ms) override;
  void LeaveMutex(Handle mutex) override;
  void CloseMutex(Handle mutex) override;

  void DebugString(const char* text) override;
  void ShowMessage(const char* text, const char* caption) override;

 private:
  static VOID CALLBACK ReadDone(DWORD error, DWORD bytes, LPOVERLAPPED overlapped);
  static DWORD WINAPI ReaderMain(LPVOID library);
  bool Interface(Handle list, std::uint32_t index);

  GUID hidClass_{};
  SP_DEVICE_INTERFACE_DATA interface_{};
  Handle interfaceList_ = 0;
  std::uint32_t interfaceIndex_ = 0;
  bool haveInterface_ = false;
  // The one pending read; hEvent, unused by ReadFileEx, leads back to the library.
  OVERLAPPED overlapped_{};
  Library* library_ = nullptr;
};

}  // namespace remdev::win32
