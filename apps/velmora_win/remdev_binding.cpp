#include "apps/velmora_win/remdev_binding.h"

#include "remdev/remdev_exports.h"

namespace velmora_win {

int RemdevDll::InitRemote(std::uint64_t window) {
  return ::InitRemote(reinterpret_cast<HWND__*>(static_cast<std::uintptr_t>(window)));
}

int RemdevDll::TerminateRemote() { return ::TerminateRemote(); }

}  // namespace velmora_win
