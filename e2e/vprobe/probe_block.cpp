// Questions about a named shared block.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "e2e/vprobe/probe.h"
#include "platform/platform.h"
#include "e2e/inspect/inspect.h"

namespace vprobe {
namespace {
bool Gone(const Args& a) {
  auto& shm = platform::os().sharedMemory();
  auto h = shm.OpenMapping(a[0]);
  if (!h) return true;
  shm.CloseMapping(h);
  return false;
}
}  // namespace

// Prints "region R section S first 0xF larger L": the page region of a view of
// SIZE bytes, the section size the kernel reports (or "unknown"), the first
// 32-bit field, and whether a view one byte larger than SIZE was refused
// ("refused") or granted ("granted").
int ReadBlock(const Args& a) {
  std::uint64_t size = 0;
  if (!ParseNumber(a[1], size) || size < 4) return 2;
  auto& shm = platform::os().sharedMemory();
  auto h = shm.OpenMapping(a[0]);
  if (!h) {
    std::printf("absent\n");
    return 1;
  }
  std::uint8_t* view = shm.MapView(h, static_cast<std::uint32_t>(size));
  if (!view) {
    std::printf("unmappable\n");
    shm.CloseMapping(h);
    return 1;
  }
  std::uint32_t first = 0;
  std::memcpy(&first, view, sizeof first);
  auto region = inspect::RegionSize(view);
  shm.UnmapView(view);
  std::uint8_t* larger = shm.MapView(h, static_cast<std::uint32_t>(size + 1));
  if (larger) shm.UnmapView(larger);
  auto section = inspect::SectionSize(h);
  shm.CloseMapping(h);
  std::printf("region %llu section ", static_cast<unsigned long long>(region));
  if (section)
    std::printf("%llu", static_cast<unsigned long long>(*section));
  else
    std::printf("unknown");
  std::printf(" first 0x%X larger %s\n", first, larger ? "granted" : "refused");
  return 0;
}

int WaitBlockGone(const Args& a) {
  if (WaitFor(std::atof(a[1].c_str()), Gone, a)) return 0;
  std::printf("still there\n");
  return 1;
}

}  // namespace vprobe
