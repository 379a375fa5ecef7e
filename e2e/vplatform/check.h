// vplatform: the Windows backend checked where it runs, under Wine or Windows.
// Prints "ok NAME" or "FAIL NAME: why" per group, as the harness counts them.
#pragma once
#include <string>
#include <vector>

namespace vplatform {

// Collects the failures of one group; the group passes when there are none.
class Group {
 public:
  explicit Group(std::string name) : name_(std::move(name)) {}
  ~Group();
  void Expect(bool condition, const std::string& what) {
    if (!condition) failures_.push_back(what);
  }

 private:
  std::string name_;
  std::vector<std::string> failures_;
};

int FailedGroups();

void CheckFiles(const std::string& folder);
void CheckSharedMemory();
void CheckWindows();
void CheckForms();
void CheckMessageLoop();
void CheckShell(const std::vector<std::string>& expectedArguments);
void CheckScreenAndClock();

}  // namespace vplatform
