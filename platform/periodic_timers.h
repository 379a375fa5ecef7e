// Periodic callback timers (multimedia timers): the callback runs on a timer
// thread of the process that started it, not through its message queue.
#pragma once
#include <cstdint>

namespace platform {

using PeriodicCallback = void (*)(void* context);

class PeriodicTimers {
 public:
  virtual ~PeriodicTimers() = default;
  // The id of the running timer, 0 when none could be started.
  virtual std::uint32_t Start(std::uint32_t intervalMs, std::uint32_t resolutionMs, PeriodicCallback callback,
                              void* context) = 0;
  virtual void Stop(std::uint32_t id) = 0;
};

}  // namespace platform
