// The simulated desktop's input: physical button and key state, installed
// hooks, and the road of every input message through the hooks to its window.
#include <algorithm>
#include <cstdio>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t VkLButton = 1, VkRButton = 2, VkMButton = 4, VkMenu = 0x12;
constexpr std::uint32_t WmKeyDown = 0x100, WmKeyUp = 0x101, WmSysKeyDown = 0x104, WmSysKeyUp = 0x105;
constexpr std::uint32_t WmMouseMove = 0x200, WmMouseWheel = 0x20A;

std::string Hex(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", v);
  return buf;
}

std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

}  // namespace

HookHandle SimDesktop::InstallHook(int process, MouseHookProcedure mouse, KeyboardHookProcedure keyboard) {
  if (!mouse && !keyboard) return {};
  HookHandle h{nextHook_++};
  hooks_.push_back({h, process, mouse, keyboard});
  trace_.Add("hook", std::string("installed ") + (mouse ? "mouse" : "keyboard"));
  return h;
}

bool SimDesktop::RemoveHook(HookHandle hook) {
  auto it = std::find_if(hooks_.begin(), hooks_.end(), [&](const HookEntry& e) { return e.handle == hook; });
  if (it == hooks_.end()) return false;
  trace_.Add("hook", std::string("removed ") + (it->mouse ? "mouse" : "keyboard"));
  hooks_.erase(it);
  return true;
}

// Windows takes a thread's hooks and timers with it when the thread ends.
void SimDesktop::EndProcessInput(int process) {
  hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [&](const HookEntry& e) { return e.process == process; }),
               hooks_.end());
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.callback && t.process == process; }),
                timers_.end());
}

void SimDesktop::MoveMouse(Point p) {
  if (cursorClip) {
    const Rect& c = *cursorClip;
    p.x = std::clamp(p.x, c.left, std::max(c.left, c.right - 1));
    p.y = std::clamp(p.y, c.top, std::max(c.top, c.bottom - 1));
  }
  cursor = p;
  RawInput in;
  in.message = WmMouseMove;
  in.pt = p;
  QueueInput(in);
}

void SimDesktop::PressButton(Button b, bool down) {
  std::uint32_t vk = b == Button::Left ? VkLButton : b == Button::Right ? VkRButton : VkMButton;
  if (down)
    physicalDown_.insert(vk);
  else
    physicalDown_.erase(vk);
  // The swap exchanges what the physical buttons mean, not what they are.
  int logical = b == Button::Middle ? 2 : ((b == Button::Right) != buttonsSwapped ? 1 : 0);
  static constexpr std::uint32_t downs[] = {0x201, 0x204, 0x207};
  RawInput in;
  in.message = downs[logical] + (down ? 0 : 1);
  in.pt = cursor;
  QueueInput(in);
}

void SimDesktop::Wheel(int delta) {
  RawInput in;
  in.message = WmMouseWheel;
  in.pt = cursor;
  in.wheel = delta;
  QueueInput(in);
}

void SimDesktop::Key(std::uint32_t vk, bool down) {
  bool wasDown = physicalDown_.count(vk) != 0;
  if (down)
    physicalDown_.insert(vk);
  else
    physicalDown_.erase(vk);
  RawInput in;
  in.keyboard = true;
  in.virtualKey = vk;
  in.keyFlags = 1u | (wasDown ? 1u << 30 : 0u) | (down ? 0u : 1u << 31);
  bool alt = physicalDown_.count(VkMenu) != 0 && vk != VkMenu;
  in.message = down ? (alt ? WmSysKeyDown : WmKeyDown) : (alt ? WmSysKeyUp : WmKeyUp);
  QueueInput(in);
}

void SimDesktop::QueueInput(const RawInput& in) {
  input_.push_back(in);
  // The input thread is busy inside a hook: the message waits behind it.
  if (inHook_) return;
  while (!input_.empty()) {
    RawInput next = input_.front();
    input_.pop_front();
    ProcessInput(next);
  }
}

void SimDesktop::ProcessInput(const RawInput& in) {
  WindowHandle target = in.keyboard ? foreground_ : TopLevelAt(in.pt);
  SimWindow* win = Window(target);
  if (!win) return;
  if (in.keyboard) {
    // GetKeyState follows the messages as they are taken from the queue.
    if (in.keyFlags & (1u << 31))
      messageKeys_.erase(in.virtualKey);
    else
      messageKeys_.insert(in.virtualKey);
  }
  HookVerdict verdict = HookVerdict::PassOn;
  std::vector<HookEntry> chain(hooks_.rbegin(), hooks_.rend());
  inHook_ = true;
  for (const auto& h : chain) {
    SimProcess* p = Process(win->process);
    if (!p) break;
    ScopedPlatform bind(*p);
    if (in.keyboard && h.keyboard)
      verdict = h.keyboard(0, in.virtualKey, in.keyFlags);
    else if (!in.keyboard && h.mouse)
      verdict = h.mouse(0, MouseHookInput{in.message, in.pt, target, in.wheel});
    if (verdict != HookVerdict::PassOn) break;
  }
  inHook_ = false;
  win = Window(target);
  if (!win) return;
  std::string what = in.keyboard ? Hex(in.message) + " " + std::to_string(in.virtualKey) : Hex(in.message) + " " + At(in.pt);
  if (verdict == HookVerdict::Swallow) {
    trace_.Add("hook", "swallowed " + what + " " + win->spec.className);
    return;
  }
  Message m{in.message, 0, 0};
  if (in.keyboard) {
    m.wParam = in.virtualKey;
    m.lParam = in.keyFlags;
  } else {
    Rect b = win->spec.bounds;
    m.lParam = static_cast<std::int64_t>((static_cast<std::uint32_t>(in.pt.y - b.top) & 0xFFFF) << 16 |
                                         (static_cast<std::uint32_t>(in.pt.x - b.left) & 0xFFFF));
    if (in.message == WmMouseWheel) m.wParam = static_cast<std::uint64_t>(static_cast<std::uint16_t>(in.wheel)) << 16;
  }
  // Moves are too many to list; every other message shows where it went.
  if (in.message != WmMouseMove) trace_.Add("input", win->spec.className + " " + what);
  if (win->procedure)
    queues_[win->process].push_back({target, m});
  else
    win->received.push_back(m);
}

void SimDesktop::InvertDesktopLine(Point from, Point to) {
  auto it = std::find_if(invertedLines_.begin(), invertedLines_.end(),
                         [&](const auto& l) { return l.first == from && l.second == to; });
  // Inverting twice gives back the pixels: the line is gone.
  if (it != invertedLines_.end())
    invertedLines_.erase(it);
  else
    invertedLines_.emplace_back(from, to);
  trace_.Add("screen", "invert line " + At(from) + " " + At(to));
}

}  // namespace platform::sim
