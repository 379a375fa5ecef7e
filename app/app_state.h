// The app room's state: the control window's flags and pending command, the
// shared hook block, the hook and remote-device libraries of this build and the
// program's steps.
// One object per program (base/program_state.h).
#pragma once
#include <cstdint>
#include <memory>

#include "base/program_steps.h"
#include "platform/types.h"
#include "platform/window_system.h"
#include "shared/A_globtr.h"
#include "shared/hook_library.h"
#include "shared/remote_library.h"

namespace app {

struct AppState {
  AppState() = default;
  ~AppState();
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  bool Starting = false;
  bool Closing = false;
  bool StartupComplete = false;
  bool SystemShuttingDown = false;
  // One command the fast timer posts (with lParam 0) once its time has come.
  std::uint32_t PendingCommand = 0;
  platform::Tick PendingCommandTime = 0;
  bool RemoteOpened = false;
  std::uint32_t CloseKeyboardMessage = 0;

  std::unique_ptr<platform::WindowProcedure> controlWindow;
  bool timersEnabled = false;

  shared::MouseHookSharedData* hookData = nullptr;
  platform::MappingHandle mapping;
  shared::HookLibrary* hooks = nullptr;
  shared::RemoteLibrary* remote = nullptr;  // none: the program runs without the device
  base::ProgramSteps steps;
};

AppState& State();

}  // namespace app
