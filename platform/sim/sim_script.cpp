#include "platform/sim/sim_script.h"

#include <cctype>
#include <charconv>
#include <sstream>

#include "platform/messages.h"
#include "platform/sim/sim_process.h"

namespace platform::sim {

std::optional<std::int64_t> ParseScriptNumber(const std::string& w) {
  std::string_view s = w;
  bool negative = false;
  if (!s.empty() && s.front() == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  std::int64_t v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (ec != std::errc() || p != s.data() + s.size() || s.empty()) return std::nullopt;
  return negative ? -v : v;
}

std::optional<SimDesktop::Button> ParseButton(const std::string& word) {
  if (word == "left") return SimDesktop::Button::Left;
  if (word == "right") return SimDesktop::Button::Right;
  if (word == "middle") return SimDesktop::Button::Middle;
  return std::nullopt;
}

std::optional<std::uint32_t> ParseVirtualKey(const std::string& word) {
  std::string up;
  for (char c : word) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (up.size() == 1 && ((up[0] >= '0' && up[0] <= '9') || (up[0] >= 'A' && up[0] <= 'Z')))
    return static_cast<std::uint32_t>(up[0]);
  if (up.size() >= 2 && up[0] == 'F') {
    auto n = ParseScriptNumber(up.substr(1));
    if (n && *n >= 1 && *n <= 12) return static_cast<std::uint32_t>(111 + *n);
  }
  static const std::pair<const char*, std::uint32_t> named[] = {
      {"ESC", 0x1B}, {"SHIFT", 0x10}, {"CTRL", 0x11}, {"ALT", 0x12}, {"WIN", 0x5B},
      {"ENTER", 0x0D}, {"SPACE", 0x20}, {"TAB", 0x09}};
  for (const auto& [name, vk] : named)
    if (up == name) return vk;
  auto n = ParseScriptNumber(word);
  if (n && *n > 0 && *n < 256) return static_cast<std::uint32_t>(*n);
  return std::nullopt;
}

ScriptTimeline::ScriptTimeline(const std::string& text) {
  std::istringstream in(text);
  std::string raw;
  std::uint64_t time = 0;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    if (auto hash = raw.find('#'); hash != std::string::npos) raw.resize(hash);
    std::istringstream words(raw);
    ScriptLine line;
    line.number = number;
    for (std::string w; words >> w;) line.words.push_back(w);
    if (line.words.empty()) continue;
    const std::string& verb = line.words[0];
    if (verb == "wait" || verb == "at") {
      auto n = line.words.size() == 2 ? ParseScriptNumber(line.words[1]) : std::nullopt;
      if (!n || *n < 0) {
        errors_.push_back("line " + std::to_string(number) + ": " + verb + " needs a number of milliseconds");
        continue;
      }
      time = verb == "wait" ? time + static_cast<std::uint64_t>(*n) : static_cast<std::uint64_t>(*n);
      continue;
    }
    if (verb == "args") {
      programArguments.assign(line.words.begin() + 1, line.words.end());
      continue;
    }
    line.due = time;
    lines_.push_back(std::move(line));
  }
}

void ScriptTimeline::AddCommand(std::string name, ScriptCommand command) { commands_[std::move(name)] = std::move(command); }

std::optional<std::uint64_t> ScriptTimeline::NextDue() {
  if (next_ >= lines_.size()) return std::nullopt;
  return lines_[next_].due;
}

void ScriptTimeline::RunNext(SimDesktop& desktop) {
  if (next_ >= lines_.size()) return;
  ScriptLine line = lines_[next_++];
  std::string echo;
  for (const auto& w : line.words) echo += (echo.empty() ? "" : " ") + w;
  desktop.trace().Add("script", echo);
  auto it = commands_.find(line.words[0]);
  if (it != commands_.end())
    it->second(desktop, line);
  else
    RunBuiltIn(desktop, line);
}

void ScriptTimeline::RunBuiltIn(SimDesktop& desktop, const ScriptLine& line) {
  const auto& w = line.words;
  auto number = [&](std::size_t i) -> std::int64_t {
    if (i >= w.size()) return 0;
    return ParseScriptNumber(w[i]).value_or(0);
  };
  auto fail = [&](const std::string& why) {
    desktop.trace().Add("script", "line " + std::to_string(line.number) + ": " + why);
  };
  const std::string& verb = w[0];
  if (verb == "post" || verb == "send") {
    if (w.size() < 3) return fail(verb + " CLASS MESSAGE [WPARAM [LPARAM]]");
    WindowHandle target = desktop.FindWindow(w[1], "");
    if (!target) return fail("no window of class " + w[1]);
    Message m{static_cast<std::uint32_t>(number(2)), static_cast<std::uint64_t>(number(3)), number(4)};
    // Messages from a script come from a program of its own, as from outside.
    if (verb == "post")
      desktop.Post(-1, target, m);
    else
      desktop.Send(-1, target, m);
  } else if (verb == "window") {
    if (w.size() < 2) return fail("window CLASS [CAPTION] [LEFT TOP RIGHT BOTTOM]");
    SimProcess& p = desktop.CreateProcess(w[1] + ".exe", {});
    WindowSpec spec;
    spec.className = w[1];
    spec.caption = w.size() > 2 ? w[2] : w[1];
    spec.bounds = desktop.options().primaryMonitor;
    if (w.size() >= 7)
      spec.bounds = {static_cast<int>(number(3)), static_cast<int>(number(4)), static_cast<int>(number(5)),
                     static_cast<int>(number(6))};
    spec.visible = true;
    desktop.CreateWindowFor(p.id(), spec, nullptr);
  } else if (verb == "foreground") {
    if (w.size() < 2) return fail("foreground CLASS");
    WindowHandle target = desktop.FindWindow(w[1], "");
    if (!target) return fail("no window of class " + w[1]);
    desktop.SetForegroundRaw(target);
  } else if (verb == "close-window") {
    if (w.size() < 2) return fail("close-window CLASS");
    WindowHandle target = desktop.FindWindow(w[1], "");
    if (!target) return fail("no window of class " + w[1]);
    desktop.DestroyWindow(target);
  } else if (verb == "endsession") {
    bool cancel = w.size() > 1 && w[1] == "cancel";
    // Windows asks every top-level window, then tells them the outcome.
    std::vector<WindowHandle> tops;
    for (auto h : desktop.zOrder()) tops.push_back(WindowHandle{h});
    bool allowed = true;
    for (auto h : tops)
      if (desktop.Window(h) && desktop.Window(h)->procedure)
        allowed = desktop.Send(-1, h, {msg::QueryEndSession, 0, 0}) != 0 && allowed;
    desktop.trace().Add("session", allowed ? "end allowed" : "end refused");
    for (auto h : tops)
      if (desktop.Window(h) && desktop.Window(h)->procedure)
        desktop.Send(-1, h, {msg::EndSession, static_cast<std::uint64_t>(cancel || !allowed ? 0 : 1), 0});
  } else if (verb == "cursor") {
    desktop.cursor = {static_cast<int>(number(1)), static_cast<int>(number(2))};
  } else if (verb == "mouse-move") {
    if (w.size() < 3) return fail("mouse-move X Y");
    desktop.MoveMouse({static_cast<int>(number(1)), static_cast<int>(number(2))});
  } else if (verb == "mouse-down" || verb == "mouse-up" || verb == "click") {
    auto button = w.size() > 1 ? ParseButton(w[1]) : std::nullopt;
    if (!button) return fail(verb + " left|right|middle");
    if (verb != "mouse-up") desktop.PressButton(*button, true);
    if (verb != "mouse-down") desktop.PressButton(*button, false);
  } else if (verb == "wheel") {
    desktop.Wheel(static_cast<int>(number(1)));
  } else if (verb == "key-down" || verb == "key-up" || verb == "key") {
    auto vk = w.size() > 1 ? ParseVirtualKey(w[1]) : std::nullopt;
    if (!vk) return fail(verb + " KEY (0-9, A-Z, F1-F12, Esc, Shift, Ctrl, Alt, Win or a number)");
    if (verb != "key-up") desktop.Key(*vk, true);
    if (verb != "key-down") desktop.Key(*vk, false);
  } else if (verb == "swap-buttons") {
    desktop.buttonsSwapped = w.size() > 1 && w[1] == "on";
  } else if (verb == "note") {
    // The echo above is all a note does.
  } else {
    fail("unknown command " + verb);
  }
}

}  // namespace platform::sim
