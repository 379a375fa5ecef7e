// What the end-to-end probe needs to see of Windows from outside a program,
// beyond the platform seam: memory regions, sections, child processes and
// synthesized input. Used by test tools only, never by the system.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace inspect {

// Size of the region of pages the address lies in (VirtualQuery); 0 when none.
std::uint64_t RegionSize(const void* address);

// Size of the section behind a mapping as the kernel reports it
// (NtQuerySection); nothing when the call is not available.
std::optional<std::uint64_t> SectionSize(platform::MappingHandle h);

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

// An ordinary program's window: shows a visible, topmost, plainly painted
// window of the class at the rectangle, brings it to the foreground and runs
// its message loop for the seconds given, appending one line per mouse or key
// message it receives to the log: "MSG WPARAM X Y" (hex message and wparam,
// the pointer's screen position as GetMessagePos has it). Returns false when
// the window or the log cannot be made.
bool RunRecordingWindow(const std::string& className, platform::Rect bounds, const std::string& logPath, double seconds);

// The screen's pixels in the rectangle as 0x00RRGGBB, rows top-down; empty
// when the capture failed.
std::vector<std::uint32_t> CaptureScreen(platform::Rect area);

struct MouseProcTiming {
  bool loaded = false;      // the library and its MouseProc export were found
  std::uint32_t calls = 0;  // how many were timed: fewer than asked when two seconds ran out
  double nsPerCall = 0;     // MouseProc with a plain move, alternating two positions
  double nsPerMapping = 0;  // opening, mapping, unmapping and closing the named block alone
};
// Calls the library's exported MouseProc directly, as the system would for a
// WM_MOUSEMOVE at pointer positions a and b in turn, and times it with the
// performance counter; then as many openings and mappings of the block alone.
MouseProcTiming TimeMouseProc(const std::string& libraryPath, const std::string& blockName, std::uint32_t calls,
                              platform::Point a, platform::Point b);

struct RemoteLibraryAnswers {
  bool loaded = false;  // the library and its five exports were found
  int init = -1;        // InitRemote with a window of the caller's
  int open = -1;        // OpenDevice with no window (the ring)
  int readNull = -1, readTooLong = -1, readEmpty = -1;  // ReadData: null buffer, 4097 bytes, 8 bytes
  int close = -1;       // CloseDevice
  int terminate = -1;   // TerminateRemote
  double terminateMs = 0;
};
// Loads the remote-device library and asks each export once, as a program
// without the device would; OpenDevice's answer is its result code.
RemoteLibraryAnswers AskRemoteLibrary(const std::string& libraryPath);

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

}  // namespace inspect
