// The main program's view of the remote-device library's exports: the two it
// links. The Windows program binds Remdev.dll through its import table; the
// native build links the same library against a fake HID source (remdev/sim).
#pragma once
#include <cstdint>

namespace shared {

class RemoteLibrary {
 public:
  virtual ~RemoteLibrary() = default;
  // 1 once the device is open and read; 0 while there is none (try again later).
  virtual int InitRemote(std::uint64_t window) = 0;
  virtual int TerminateRemote() = 0;
};

}  // namespace shared
