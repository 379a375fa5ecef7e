// vprobe: looks at a running Velmora from outside, the way another program
// would. One subcommand per question; the answer goes to stdout, success or
// failure to the exit code (0 yes, 1 no, 2 bad usage).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vprobe {

using Args = std::vector<std::string>;  // the subcommand's own arguments

int WaitWindow(const Args& a);
int WindowCaption(const Args& a);
int PostMessageTo(const Args& a);
int WaitGone(const Args& a);
int ReadBlock(const Args& a);
int WaitBlockGone(const Args& a);
int Run(const Args& a);
int FileExists(const Args& a);
int SendInput(const Args& a);
int TargetWindow(const Args& a);
int CaptureScreen(const Args& a);
int CompareScreen(const Args& a);
int TimeMouseProc(const Args& a);
int Resource(const Args& a);
int RemoteLibrary(const Args& a);

// Numbers as the harness writes them: decimal or 0x-prefixed hex.
bool ParseNumber(const std::string& text, std::uint64_t& out);
// Polls until done() holds or the seconds have passed.
bool WaitFor(double seconds, bool (*done)(const Args&), const Args& a);

}  // namespace vprobe
