// F_main: the hidden control window. It owns the start-up and shutdown order,
// the 50 ms and 1 s timers and the internal command message through which every
// other source of events reaches the user-interface thread.
#pragma once
#include <cstdint>

#include "tool/T_tool.h"
#include "platform/types.h"

namespace app {

inline constexpr std::uint32_t InternalCommand = 0x46E;
inline constexpr std::uint32_t DeviceButtonDownMessage = 0x464;
inline constexpr std::uint32_t DeviceButtonUpMessage = 0x465;
inline constexpr std::uint32_t TrayMessage = 0x46F;
inline constexpr std::uint32_t QuitMessage = 0x432;

extern platform::WindowHandle ControlWindowHandle;
extern bool Starting;
extern bool Closing;
extern bool StartupComplete;
extern bool SystemShuttingDown;
extern bool BatchMode;
extern tool::ToolId PendingActivation;
extern platform::Tick PendingActivationTime;
extern int PendingCommand;
extern platform::Tick PendingCommandTime;
extern platform::WindowHandle LastForeignWindow;
extern bool RemoteOpened;
extern std::uint32_t CloseKeyboardMessage;

// Posts InternalCommand to the control window.
void PostCommand(int code, std::int64_t lParam);
// Brings a window to the front despite the foreground lock; errors are swallowed.
void ForceForeground(platform::WindowHandle w);
// Sets a pending activation and tells the hook library to keep quiet until then.
void SetPendingActivation(tool::TTool& tool, platform::Tick due);

// The whole program: single-instance check, start-up, message loop, shutdown.
// Returns the process exit code.
int VelmoraProgram();

// Pieces of the program, for tests that drive the control window directly.
bool SingleInstanceCheck();  // false: another copy runs; it was told to show itself
bool CreateControlWindow();  // the numbered start-up sequence; StartupComplete on success
void OpenForms();
void RunProgramLoop();
void ResetCoreState();       // fresh globals for a new simulated process

}  // namespace app
