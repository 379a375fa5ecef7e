// Resources of a program file, loaded by name as the system loads them.
#include <cstdio>
#include <cstdlib>

#include "e2e/vprobe/probe.h"
#include "e2e/inspect/inspect.h"

namespace vprobe {

// resource PROGRAM bitmap|cursor|icon NAME [SIZE]: prints "WxH" (and
// " hotspot X,Y" for cursors), or "missing".
int Resource(const Args& a) {
  using inspect::ResourceKind;
  ResourceKind kind;
  if (a[1] == "bitmap") kind = ResourceKind::Bitmap;
  else if (a[1] == "cursor") kind = ResourceKind::Cursor;
  else if (a[1] == "icon") kind = ResourceKind::Icon;
  else return 2;
  const int size = a.size() > 3 ? std::atoi(a[3].c_str()) : 0;
  auto r = inspect::LoadProgramResource(a[0], kind, a[2], size);
  if (!r) {
    std::printf("missing\n");
    return 1;
  }
  std::printf("%dx%d", r->width, r->height);
  if (kind == ResourceKind::Cursor) std::printf(" hotspot %d,%d", r->hotspotX, r->hotspotY);
  std::printf("\n");
  return 0;
}

}  // namespace vprobe
