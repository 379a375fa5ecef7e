// The remote-device library asked from outside: loaded by path, each export
// called through GetProcAddress, as the program's import table would.
#include <windows.h>

#include "e2e/inspect/inspect.h"

namespace inspect {

RemoteLibraryAnswers AskRemoteLibrary(const std::string& libraryPath) {
  RemoteLibraryAnswers r;
  HMODULE library = LoadLibraryA(libraryPath.c_str());
  if (!library) return r;
  using Init = int(WINAPI*)(HWND);
  using Open = int(WINAPI*)(HWND, UINT, BOOL);
  using Read = int(WINAPI*)(void*, int);
  using Plain = int(WINAPI*)();
  auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(library, "InitRemote")));
  auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(library, "OpenDevice")));
  auto read = reinterpret_cast<Read>(reinterpret_cast<void*>(GetProcAddress(library, "ReadData")));
  auto close = reinterpret_cast<Plain>(reinterpret_cast<void*>(GetProcAddress(library, "CloseDevice")));
  auto terminate = reinterpret_cast<Plain>(reinterpret_cast<void*>(GetProcAddress(library, "TerminateRemote")));
  if (init && open && read && close && terminate) {
    r.loaded = true;
    HWND window = CreateWindowExA(0, "STATIC", "remote probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                  nullptr);
    r.init = init(window);
    r.open = open(nullptr, 0x464, FALSE);
    char buffer[8];
    r.readNull = read(nullptr, 8);
    r.readTooLong = read(buffer, 4097);
    r.readEmpty = read(buffer, 8);
    r.close = close();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    r.terminate = terminate();
    QueryPerformanceCounter(&end);
    r.terminateMs = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (window) DestroyWindow(window);
  }
  FreeLibrary(library);
  return r;
}

}  // namespace inspect
