// What the end-to-end probe needs to see of Windows from outside a program,
// beyond the platform seam: memory regions, sections, child processes and
// synthesized input. Used by test tools only, never by the system.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::win32::inspect {

// Size of the region of pages the address lies in (VirtualQuery); 0 when none.
std::uint64_t RegionSize(const void* address);

// Size of the section behind a mapping as the kernel reports it
// (NtQuerySection); nothing when the call is not available.
std::optional<std::uint64_t> SectionSize(MappingHandle h);

struct RunResult {
  bool started = false;
  bool finished = false;  // false: still running at the time-out, then terminated
  std::uint32_t exitCode = 0;
};
// Starts a command line and waits for the process to end.
RunResult RunProcess(const std::string& commandLine, std::uint32_t timeoutMs);

enum class InputKind { Move, LeftDown, LeftUp, RightDown, RightUp, MiddleDown, MiddleUp, Wheel, KeyDown, KeyUp };
struct InputEvent {
  InputKind kind = InputKind::Move;
  int x = 0, y = 0;        // Move: screen position
  int wheelDelta = 0;      // Wheel
  std::uint16_t key = 0;   // KeyDown, KeyUp: virtual key
};
// Synthesizes the events in one SendInput call; returns how many were inserted.
std::uint32_t SendInputEvents(const std::vector<InputEvent>& events);

enum class ResourceKind { Bitmap, Cursor, Icon };
struct ResourceImage {
  int width = 0, height = 0;
  int hotspotX = 0, hotspotY = 0;  // cursors
};
// Loads a resource by name out of a program file the way the system loads it
// (LoadImage on the file mapped as data), for icons at the size asked; nothing
// when the program has no such resource.
std::optional<ResourceImage> LoadProgramResource(const std::string& programPath, ResourceKind kind,
                                                 const std::string& name, int size = 0);

}  // namespace platform::win32::inspect
