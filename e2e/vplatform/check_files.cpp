// Files and shared memory: what the profile store and the hook block rely on.
#include <cstring>

#include "e2e/vplatform/check.h"
#include "platform/platform.h"

namespace vplatform {

void CheckFiles(const std::string& scratch) {
  Group g("platform files");
  auto& fs = platform::os().files();
  const std::string root = scratch + (scratch.back() == '\\' ? "" : "\\");
  const std::string folder = root + "Profiles\\Nested\\";
  g.Expect(fs.CreateFolders(folder), "CreateFolders of two new levels failed");
  g.Expect(fs.IsFolder(root + "Profiles\\Nested"), "the nested folder is missing");
  g.Expect(fs.CreateFolders(folder), "CreateFolders of an existing folder failed");

  const std::string file = folder + "Talk.kvx";
  g.Expect(fs.ReplaceFile(file, "[Triggers]\r\nlong first content\r\n"), "first ReplaceFile failed");
  g.Expect(fs.ReplaceFile(file, "short"), "second ReplaceFile failed");
  g.Expect(fs.ReadFile(file) == std::optional<std::string>("short"), "the rewritten file kept a stale tail");
  g.Expect(!fs.Exists(file + ".~tmp"), "the temporary file was left behind");
  g.Expect(!fs.ReadFile(folder + "Missing.kvx"), "a missing file was read");

  g.Expect(fs.ReplaceFile(folder + "Other.KVX", "x") && fs.ReplaceFile(folder + "Talk.kvxx", "x") &&
               fs.CreateFolders(folder + "Dir.kvx"),
           "could not lay out the listing files");
  auto listed = fs.ListFiles(folder, "*.kvx");
  g.Expect((listed == std::vector<std::string>{"Other.KVX", "Talk.kvx"}),
           "ListFiles gave " + std::to_string(listed.size()) + " names, not Other.KVX and Talk.kvx");

  g.Expect(fs.SetReadOnly(file, true) && fs.IsReadOnly(file), "SetReadOnly did not stick");
  g.Expect(!fs.ReplaceFile(file, "lost"), "ReplaceFile wrote over a read-only file");
  g.Expect(fs.ReadFile(file) == std::optional<std::string>("short"), "a failed write changed the old file");
  g.Expect(!fs.Exists(file + ".~tmp"), "a failed write left its temporary file");
  g.Expect(fs.SetReadOnly(file, false) && !fs.IsReadOnly(file), "clearing read-only did not stick");
  g.Expect(fs.Delete(file) && !fs.Exists(file), "Delete failed");
  g.Expect(!fs.SetReadOnly(file, true), "SetReadOnly of a missing file succeeded");
}

void CheckSharedMemory() {
  Group g("platform shared memory");
  auto& shm = platform::os().sharedMemory();
  const char* name = "VelmoraPlatformCheckBlock";
  auto first = shm.CreateMapping(name, 4060);
  auto second = shm.CreateMapping(name, 4060);
  g.Expect(first.handle && !first.alreadyExisted, "a fresh block was reported as existing");
  g.Expect(second.handle && second.alreadyExisted, "a second create did not find the first block");
  auto opened = shm.OpenMapping(name);
  std::uint8_t* a = shm.MapView(first.handle, 4060);
  std::uint8_t* b = shm.MapView(opened, 4060);
  g.Expect(a && b, "views could not be mapped");
  if (a && b) {
    g.Expect(a[0] == 0 && a[4059] == 0, "a fresh block is not zero-filled");
    const std::uint32_t v = 0x12345678;
    std::memcpy(a + 4056, &v, sizeof v);
    std::uint32_t seen = 0;
    std::memcpy(&seen, b + 4056, sizeof seen);
    g.Expect(seen == v, "a write through one view is not seen through another");
  }
  shm.UnmapView(a);
  shm.UnmapView(b);
  for (auto h : {first.handle, second.handle, opened}) shm.CloseMapping(h);
  auto after = shm.OpenMapping(name);
  g.Expect(!after, "the block outlived its last handle");
  shm.CloseMapping(after);
}

}  // namespace vplatform
