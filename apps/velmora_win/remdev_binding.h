// The Windows program's binding to Remdev.dll through its import table.
#pragma once
#include "shared/remote_library.h"

namespace velmora_win {

class RemdevDll final : public shared::RemoteLibrary {
 public:
  int InitRemote(std::uint64_t window) override;
  int TerminateRemote() override;
};

}  // namespace velmora_win
