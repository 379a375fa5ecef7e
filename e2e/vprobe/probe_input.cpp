// Synthesized input, as the presenter's hand would make it.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "e2e/vprobe/probe.h"
#include "platform/platform.h"
#include "e2e/inspect/inspect.h"

namespace vprobe {
namespace {
using inspect::InputEvent;
using inspect::InputKind;

struct Button {
  std::string_view name;
  InputKind down, up;
};
constexpr Button Buttons[] = {{"left", InputKind::LeftDown, InputKind::LeftUp},
                               {"right", InputKind::RightDown, InputKind::RightUp},
                               {"middle", InputKind::MiddleDown, InputKind::MiddleUp}};

// One token: "move:X,Y", "down:BUTTON", "up:BUTTON", "click:BUTTON",
// "wheel:DELTA", "keydown:VK", "keyup:VK", "key:VK" (down and up).
// "sleep:MS" is handled by SendInput below.
bool Parse(std::string_view token, std::vector<InputEvent>& out) {
  auto colon = token.find(':');
  if (colon == std::string_view::npos) return false;
  std::string_view verb = token.substr(0, colon);
  std::string value(token.substr(colon + 1));
  if (verb == "move") {
    auto comma = value.find(',');
    if (comma == std::string::npos) return false;
    InputEvent e;
    e.kind = InputKind::Move;
    e.x = std::atoi(value.substr(0, comma).c_str());
    e.y = std::atoi(value.substr(comma + 1).c_str());
    out.push_back(e);
    return true;
  }
  for (const auto& b : Buttons) {
    if (value != b.name) continue;
    if (verb == "down" || verb == "click") out.push_back({b.down});
    if (verb == "up" || verb == "click") out.push_back({b.up});
    return verb == "down" || verb == "up" || verb == "click";
  }
  std::uint64_t n = 0;
  if (!ParseNumber(value, n)) return false;
  if (verb == "wheel") {
    InputEvent e;
    e.kind = InputKind::Wheel;
    e.wheelDelta = static_cast<int>(static_cast<std::int64_t>(n));
    out.push_back(e);
    return true;
  }
  InputEvent down, up;
  down.kind = InputKind::KeyDown;
  up.kind = InputKind::KeyUp;
  down.key = up.key = static_cast<std::uint16_t>(n);
  if (verb == "keydown" || verb == "key") out.push_back(down);
  if (verb == "keyup" || verb == "key") out.push_back(up);
  return verb == "keydown" || verb == "keyup" || verb == "key";
}
}  // namespace

// Events between two "sleep:MS" tokens go in one SendInput call; the pause
// between calls is what a hand takes, so that a recogniser polling the buttons
// sees the button held.
int SendInput(const Args& a) {
  struct Batch {
    std::vector<InputEvent> events;
    std::uint64_t pauseAfterMs = 0;
  };
  std::vector<Batch> batches(1);
  for (const auto& token : a) {
    std::uint64_t ms = 0;
    if (token.rfind("sleep:", 0) == 0 && ParseNumber(token.substr(6), ms) && ms <= 10000) {
      batches.back().pauseAfterMs = ms;
      batches.emplace_back();
      continue;
    }
    if (!Parse(token, batches.back().events)) {
      std::fprintf(stderr, "bad input event: %s\n", token.c_str());
      return 2;
    }
  }
  unsigned sent = 0, total = 0;
  for (const auto& b : batches) {
    total += static_cast<unsigned>(b.events.size());
    if (!b.events.empty()) sent += inspect::SendInputEvents(b.events);
    if (b.pauseAfterMs) platform::os().clock().Sleep(static_cast<std::uint32_t>(b.pauseAfterMs));
  }
  std::printf("sent %u of %u\n", sent, total);
  return sent == total ? 0 : 1;
}

}  // namespace vprobe
