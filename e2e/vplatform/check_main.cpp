#include <cstdio>

#include "e2e/vplatform/check.h"
#include "platform/platform.h"
#include "platform/win32/win32_platform.h"

namespace vplatform {
namespace {
int failedGroups = 0;
}

Group::~Group() {
  if (failures_.empty()) {
    std::printf("ok %s\n", name_.c_str());
  } else {
    ++failedGroups;
    std::string why;
    for (const auto& f : failures_) why += (why.empty() ? "" : "; ") + f;
    std::printf("FAIL %s: %s\n", name_.c_str(), why.c_str());
  }
  std::fflush(stdout);
}

int FailedGroups() { return failedGroups; }

}  // namespace vplatform

// vplatform FOLDER ARGS...: FOLDER is a scratch folder for the file checks; the
// arguments after it are the ones the command-line check expects to read back.
int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vplatform SCRATCH-FOLDER [ARGS...]\n");
    return 2;
  }
  platform::win32::Win32Platform os;
  platform::ScopedPlatform bind(os);
  // The runtime's own argv splits by other rules; the check compares with the
  // arguments as the harness meant them, which it passes without quotes or
  // backslashes before quotes, where both rules agree.
  std::vector<std::string> expected(argv + 1, argv + argc);
  vplatform::CheckFiles(argv[1]);
  vplatform::CheckSharedMemory();
  vplatform::CheckWindows();
  vplatform::CheckForms();
  vplatform::CheckShell(expected);
  vplatform::CheckScreenAndClock();
  vplatform::CheckMessageLoop();  // last: it runs the loop to its quit
  return vplatform::FailedGroups() == 0 ? 0 : 1;
}
