#include "e2e/inspect/inspect.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"

namespace inspect {

std::uint64_t RegionSize(const void* address) {
  MEMORY_BASIC_INFORMATION info{};
  if (!address || VirtualQuery(address, &info, sizeof info) != sizeof info) return 0;
  return info.RegionSize;
}

std::optional<std::uint64_t> SectionSize(platform::MappingHandle h) {
  // SectionBasicInformation (class 0): base address, attributes, maximum size.
  struct SectionBasic {
    void* base;
    ULONG attributes;
    LARGE_INTEGER size;
  } info{};
  using QueryFn = LONG(WINAPI*)(HANDLE, int, void*, SIZE_T, SIZE_T*);
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  auto fn = ntdll ? reinterpret_cast<QueryFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySection")))
                  : nullptr;
  if (!fn || fn(platform::win32::ToHandle(h), 0, &info, sizeof info, nullptr) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.size.QuadPart);
}

RunResult RunProcess(const std::string& commandLine, std::uint32_t timeoutMs) {
  RunResult r;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string line = commandLine;  // CreateProcess may write into it
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return r;
  r.started = true;
  r.finished = WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
  if (!r.finished) TerminateProcess(pi.hProcess, 0xDEAD);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  r.exitCode = code;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return r;
}

std::uint32_t SendInputEvents(const std::vector<InputEvent>& events) {
  std::vector<INPUT> inputs;
  const int sx = GetSystemMetrics(SM_XVIRTUALSCREEN), sy = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN), sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  for (const auto& e : events) {
    INPUT in{};
    if (e.kind == InputKind::KeyDown || e.kind == InputKind::KeyUp) {
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = e.key;
      in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(e.key, 0));
      if (e.kind == InputKind::KeyUp) in.ki.dwFlags = KEYEVENTF_KEYUP;
    } else {
      in.type = INPUT_MOUSE;
      switch (e.kind) {
        case InputKind::Move:
          // Absolute coordinates run from 0 to 65535 across the virtual screen.
          in.mi.dx = static_cast<LONG>((static_cast<long long>(e.x - sx) * 65535 + sw / 2) / (sw > 1 ? sw - 1 : 1));
          in.mi.dy = static_cast<LONG>((static_cast<long long>(e.y - sy) * 65535 + sh / 2) / (sh > 1 ? sh - 1 : 1));
          in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
          break;
        case InputKind::LeftDown: in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN; break;
        case InputKind::LeftUp: in.mi.dwFlags = MOUSEEVENTF_LEFTUP; break;
        case InputKind::RightDown: in.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN; break;
        case InputKind::RightUp: in.mi.dwFlags = MOUSEEVENTF_RIGHTUP; break;
        case InputKind::MiddleDown: in.mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN; break;
        case InputKind::MiddleUp: in.mi.dwFlags = MOUSEEVENTF_MIDDLEUP; break;
        case InputKind::Wheel:
          in.mi.dwFlags = MOUSEEVENTF_WHEEL;
          in.mi.mouseData = static_cast<DWORD>(e.wheelDelta);
          break;
        default: break;
      }
    }
    inputs.push_back(in);
  }
  if (inputs.empty()) return 0;
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace inspect
