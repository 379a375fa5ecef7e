#include "remdev/win32/win32_environment.h"

// mingw's HID header declares C functions without saying so.
extern "C" {
#include <hidsdi.h>
}

namespace remdev::win32 {

namespace {
HANDLE AsHandle(Handle h) { return reinterpret_cast<HANDLE>(h); }
HDEVINFO AsList(Handle h) { return reinterpret_cast<HDEVINFO>(h); }
PHIDP_PREPARSED_DATA AsPreparsed(Handle h) { return reinterpret_cast<PHIDP_PREPARSED_DATA>(h); }
}  // namespace

Handle Win32Environment::OpenInterfaceList() {
  HidD_GetHidGuid(&hidClass_);
  HDEVINFO list = SetupDiGetClassDevsA(&hidClass_, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (list == INVALID_HANDLE_VALUE) return 0;
  haveInterface_ = false;
  return reinterpret_cast<Handle>(list);
}

// The interface data of (list, index), asked once per index.
bool Win32Environment::Interface(Handle list, std::uint32_t index) {
  if (haveInterface_ && interfaceList_ == list && interfaceIndex_ == index) return true;
  interface_ = {};
  interface_.cbSize = sizeof interface_;
  haveInterface_ = SetupDiEnumDeviceInterfaces(AsList(list), nullptr, &hidClass_, index, &interface_) != FALSE;
  interfaceList_ = list;
  interfaceIndex_ = index;
  return haveInterface_;
}

bool Win32Environment::InterfaceAt(Handle list, std::uint32_t index) { return Interface(list, index); }

std::uint32_t Win32Environment::DetailSize(Handle list, std::uint32_t index) {
  if (!Interface(list, index)) return 0;
  DWORD size = 0;
  // Fails by design (the buffer is too small); the size is what it answers.
  SetupDiGetDeviceInterfaceDetailA(AsList(list), &interface_, nullptr, 0, &size, nullptr);
  return size >= sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) ? size : 0;
}

bool Win32Environment::ReadDetail(Handle list, std::uint32_t index, void* buffer, std::uint32_t size) {
  if (!Interface(list, index) || size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return false;
  auto* detail = static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer);
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  return SetupDiGetDeviceInterfaceDetailA(AsList(list), &interface_, detail, size, nullptr, nullptr) != FALSE;
}

bool Win32Environment::CloseInterfaceList(Handle list) {
  haveInterface_ = false;
  return SetupDiDestroyDeviceInfoList(AsList(list)) != FALSE;
}

void* Win32Environment::Allocate(std::uint32_t size) { return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size); }
void Win32Environment::Free(void* block) { HeapFree(GetProcessHeap(), 0, block); }

Handle Win32Environment::OpenDevice(const void* detail) {
  const char* path = static_cast<const SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(detail)->DevicePath;
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  return h == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<Handle>(h);
}

bool Win32Environment::Attributes(Handle device, std::uint16_t& vendor, std::uint16_t& product) {
  HIDD_ATTRIBUTES a{};
  a.Size = sizeof a;
  if (!HidD_GetAttributes(AsHandle(device), &a)) return false;
  vendor = a.VendorID;
  product = a.ProductID;
  return true;
}

Handle Win32Environment::PreparsedData(Handle device) {
  PHIDP_PREPARSED_DATA p = nullptr;
  if (!HidD_GetPreparsedData(AsHandle(device), &p)) return 0;
  return reinterpret_cast<Handle>(p);
}

void Win32Environment::FreePreparsedData(Handle preparsed) { HidD_FreePreparsedData(AsPreparsed(preparsed)); }

bool Win32Environment::Caps(Handle preparsed, Capabilities& caps) {
  HIDP_CAPS c{};
  if (HidP_GetCaps(AsPreparsed(preparsed), &c) != HIDP_STATUS_SUCCESS) return false;
  caps.usagePage = c.UsagePage;
  caps.usage = c.Usage;
  caps.inputReportLength = c.InputReportByteLength;
  caps.inputValueCaps = c.NumberInputValueCaps;
  caps.inputButtonCaps = c.NumberInputButtonCaps;
  return true;
}

bool Win32Environment::ValueCaps(Handle preparsed, std::uint16_t count) {
  auto* caps = static_cast<HIDP_VALUE_CAPS*>(Allocate(sizeof(HIDP_VALUE_CAPS) * count));
  if (!caps) return false;
  USHORT length = count;
  bool ok = HidP_GetSpecificValueCaps(HidP_Input, 0, 0, 0, caps, &length, AsPreparsed(preparsed)) ==
            HIDP_STATUS_SUCCESS;
  Free(caps);
  return ok;
}

bool Win32Environment::ButtonCaps(Handle preparsed, std::uint16_t count) {
  auto* caps = static_cast<HIDP_BUTTON_CAPS*>(Allocate(sizeof(HIDP_BUTTON_CAPS) * count));
  if (!caps) return false;
  USHORT length = count;
  bool ok = HidP_GetSpecificButtonCaps(HidP_Input, 0, 0, 0, caps, &length, AsPreparsed(preparsed)) ==
            HIDP_STATUS_SUCCESS;
  Free(caps);
  return ok;
}

bool Win32Environment::CloseDevice(Handle device) { return CloseHandle(AsHandle(device)) != FALSE; }

std::uint32_t Win32Environment::IssueRead(Handle device, std::uint8_t* buffer, std::uint32_t length) {
  overlapped_ = {};
  overlapped_.hEvent = reinterpret_cast<HANDLE>(this);
  if (ReadFileEx(AsHandle(device), buffer, length, &overlapped_, &ReadDone)) return 0;
  DWORD error = GetLastError();
  return error ? error : ERROR_GEN_FAILURE;
}

VOID CALLBACK Win32Environment::ReadDone(DWORD error, DWORD bytes, LPOVERLAPPED overlapped) {
  auto* self = reinterpret_cast<Win32Environment*>(overlapped->hEvent);
  if (self && self->library_) self->library_->ReadCompleted(error, bytes);
}

bool Win32Environment::CancelRead(Handle device) { return CancelIo(AsHandle(device)) != FALSE; }

DWORD WINAPI Win32Environment::ReaderMain(LPVOID library) {
  static_cast<Library*>(library)->RunReader();
  return 0;
}

Handle Win32Environment::StartReader(Library& library) {
  library_ = &library;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, &ReaderMain, &library, 0, &id);
  return reinterpret_cast<Handle>(thread);
}

void Win32Environment::CloseThreadHandle(Handle thread) { CloseHandle(AsHandle(thread)); }

bool Win32Environment::SleepAlertable(std::uint32_t ms) { return SleepEx(ms, TRUE) == WAIT_IO_COMPLETION; }

void Win32Environment::WaitHandlingSends(std::uint32_t ms) {
  DWORD start = GetTickCount();
  for (;;) {
    // Handles the messages other threads sent to this one; posted ones stay.
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    DWORD spent = GetTickCount() - start;
    if (spent >= ms) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, ms - spent, QS_SENDMESSAGE, 0);
  }
}

void Win32Environment::Sleep(std::uint32_t ms) { ::Sleep(ms); }
std::uint32_t Win32Environment::TickCount() { return GetTickCount(); }

void Win32Environment::Send(std::uint64_t window, std::uint32_t message, std::uint32_t code, std::uint32_t time) {
  SendMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), message, code, static_cast<LPARAM>(time));
}

Handle Win32Environment::MakeMutex(const char* name) {
  return reinterpret_cast<Handle>(CreateMutexA(nullptr, FALSE, name));
}

bool Win32Environment::WaitMutex(Handle mutex, std::uint32_t ms) {
  DWORD r = WaitForSingleObject(AsHandle(mutex), ms);
  return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

void Win32Environment::LeaveMutex(Handle mutex) { ReleaseMutex(AsHandle(mutex)); }
void Win32Environment::CloseMutex(Handle mutex) { CloseHandle(AsHandle(mutex)); }

void Win32Environment::DebugString(const char* text) { OutputDebugStringA(text); }

void Win32Environment::ShowMessage(const char* text, const char* caption) {
  MessageBoxA(nullptr, text, caption, MB_OK);
}

}  // namespace remdev::win32
