#include "platform/platform.h"

#include <cstdlib>

namespace platform {
namespace {
Platform* current = nullptr;
}

Platform& os() {
  if (!current) std::abort();  // a program entry or test forgot to bind its platform
  return *current;
}

bool HasPlatform() { return current != nullptr; }

ScopedPlatform::ScopedPlatform(Platform& p) : previous_(current) { current = &p; }
ScopedPlatform::~ScopedPlatform() { current = previous_; }

}  // namespace platform
