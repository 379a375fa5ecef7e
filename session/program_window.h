// The program's place on the desktop: its control window, where every command
// goes, and the last window of another program that had the foreground, where
// command tools send their input and the focus goes back.
#pragma once
#include <cstdint>

#include "platform/types.h"

namespace session {

// Posts InternalCommand to the control window (nothing before it exists).
void PostCommand(std::uint32_t code, std::int64_t lParam);
// Brings a window to the front despite the foreground lock; errors are swallowed.
void ForceForeground(platform::WindowHandle w);

}  // namespace session
