// Support for the simulated desktop's own tests: a desktop with the main
// program and one foreign program, windows that write down what reaches them,
// and a timeline made of lambdas. Nothing here reaches above the platform room.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/messages.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"

namespace platform {
// Failure messages show handles as the trace does.
template <class Tag>
void PrintTo(Handle<Tag> h, std::ostream* os) {
  *os << "0x" << std::hex << std::uppercase << h.value << std::dec;
}
}  // namespace platform

namespace platform::sim::test {

inline constexpr std::uint32_t Ping = msg::User + 1;
inline constexpr std::uint32_t Work = msg::User + 2;

// Actions at elapsed times, handed out in the order they were added: the
// desktop only ever asks for the next one, so a test can put one in the past.
class Actions final : public Timeline {
 public:
  void At(std::uint64_t due, std::function<void()> action) { items_.push_back({due, std::move(action)}); }
  std::optional<std::uint64_t> NextDue() override {
    if (next_ >= items_.size()) return std::nullopt;
    return items_[next_].first;
  }
  // Counted before it runs: an action that advances the clock must not meet itself again.
  void RunNext(SimDesktop&) override { items_[next_++].second(); }

 private:
  std::vector<std::pair<std::uint64_t, std::function<void()>>> items_;
  std::size_t next_ = 0;
};

struct Received {
  std::uint64_t at = 0;  // elapsed virtual time when it was handled
  std::uint32_t msg = 0;
  std::uint64_t wParam = 0;
  friend bool operator==(const Received&, const Received&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Received& r) {
    return os << "{at " << r.at << ", msg 0x" << std::hex << r.msg << std::dec << ", w " << r.wParam << "}";
  }
};

// A window procedure that handles everything, writes it down with the time it
// came, then runs the test's reaction (which may wait, sleep or post).
class Recorder final : public WindowProcedure {
 public:
  explicit Recorder(SimDesktop& desk) : desk_(desk) {}
  std::function<void(const Message&)> react;
  std::vector<Received> log;

  bool OnMessage(WindowHandle, const Message& m, std::int64_t&) override {
    log.push_back({desk_.Elapsed(), m.msg, m.wParam});
    if (react) react(m);
    return true;
  }
  // The times at which a message of this number (and wParam, when given) came.
  std::vector<std::uint64_t> TimesOf(std::uint32_t msg, std::optional<std::uint64_t> wParam = {}) const {
    std::vector<std::uint64_t> out;
    for (const auto& r : log)
      if (r.msg == msg && (!wParam || r.wParam == *wParam)) out.push_back(r.at);
    return out;
  }

 private:
  SimDesktop& desk_;
};

// A fresh desktop: the shell (process 0), the main program and a foreign program.
struct Desk {
  explicit Desk(DesktopOptions options = {})
      : desk(std::move(options)),
        main(desk.CreateProcess("Velmora.exe", {})),
        other(desk.CreateProcess("NOTEPAD.EXE", {})) {}

  // A visible top-level window of the process.
  WindowHandle Open(SimProcess& p, Rect bounds, WindowProcedure* procedure = nullptr, bool topmost = false,
                    std::string className = "TTestWindow") {
    WindowSpec spec;
    spec.className = std::move(className);
    spec.caption = spec.className;
    spec.bounds = bounds;
    spec.visible = true;
    spec.topmost = topmost;
    return p.Create(spec, procedure);
  }

  SimDesktop desk;
  SimProcess& main;
  SimProcess& other;
};

}  // namespace platform::sim::test
