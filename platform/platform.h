// The context object that carries the platform of one process. Subsystem code
// reaches the operating system only through it.
#pragma once
#include "platform/input_hooks.h"
#include "platform/periodic_timers.h"
#include "platform/forms.h"
#include "platform/services.h"
#include "platform/window_system.h"

namespace platform {

class Platform {
 public:
  virtual ~Platform() = default;
  virtual WindowSystem& windows() = 0;
  virtual Clock& clock() = 0;
  virtual SharedMemory& sharedMemory() = 0;
  virtual FileSystem& files() = 0;
  virtual Shell& shell() = 0;
  virtual Screen& screen() = 0;
  virtual Diagnostics& diagnostics() = 0;
  // A backend without them gets none: no hooks install, every button is up,
  // no timer starts.
  virtual InputHooks& inputHooks();
  virtual PeriodicTimers& periodicTimers();
  virtual Forms& forms() = 0;
};

// The platform of the process the code runs in. The program entry binds it; the
// simulated desktop rebinds it whenever it runs code of another process.
Platform& os();
bool HasPlatform();

class ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform& p);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform* previous_;
};

}  // namespace platform
