#include "platform/sim/sim_script.h"

#include <algorithm>
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

namespace {

bool IsExpectation(const std::string& verb) { return verb == "expect" || verb == "expect-none"; }

std::string Trimmed(std::string_view s) {
  std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string_view::npos) return {};
  std::size_t b = s.find_last_not_of(" \t\r");
  return std::string(s.substr(a, b - a + 1));
}

}  // namespace

bool MatchesExpectation(std::string_view pattern, std::string_view text) {
  // Greedy with one point to return to: the last "*" seen takes one more
  // character each time the rest fails to match.
  std::size_t p = 0, t = 0;
  std::size_t star = std::string_view::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
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
    line.rest = Trimmed(std::string_view(raw).substr(raw.find(verb) + verb.size()));
    auto error = [&](const std::string& why) { errors_.push_back("line " + std::to_string(number) + ": " + why); };
    if (verb == "wait" || verb == "at") {
      auto n = line.words.size() == 2 ? ParseScriptNumber(line.words[1]) : std::nullopt;
      if (!n || *n < 0) {
        error(verb + " needs a number of milliseconds");
        continue;
      }
      time = verb == "wait" ? time + static_cast<std::uint64_t>(*n) : static_cast<std::uint64_t>(*n);
      continue;
    }
    if (verb == "args") {
      programArguments.assign(line.words.begin() + 1, line.words.end());
      continue;
    }
    if (IsExpectation(verb) && line.rest.empty()) {
      error(verb + " needs the text of a trace line");
      continue;
    }
    line.due = time;
    lines_.push_back(std::move(line));
  }
  // Expectations after the last action have nothing more to wait for on the
  // timeline: they are checked when the run is over, so that they see the
  // program closed at the timeline's end.
  std::size_t end = lines_.size();
  while (end > 0 && IsExpectation(lines_[end - 1].words[0])) --end;
  for (std::size_t i = end; i < lines_.size(); ++i)
    atEnd_.push_back({lines_[i].number, lines_[i].words[0] == "expect-none", lines_[i].rest});
  lines_.resize(end);
}

void ScriptTimeline::AddCommand(std::string name, ScriptCommand command) { commands_[std::move(name)] = std::move(command); }

std::optional<std::uint64_t> ScriptTimeline::NextDue() {
  if (next_ >= lines_.size()) return std::nullopt;
  return lines_[next_].due;
}

void ScriptTimeline::RunNext(SimDesktop& desktop) {
  if (next_ >= lines_.size()) return;
  ScriptLine line = lines_[next_++];
  const std::string& verb = line.words[0];
  // Expectations look at the trace; they are not actions and leave no line.
  if (IsExpectation(verb)) return Check(desktop.trace(), {line.number, verb == "expect-none", line.rest}, desktop.Elapsed());
  std::string echo;
  for (const auto& w : line.words) echo += (echo.empty() ? "" : " ") + w;
  desktop.trace().Add("script", echo);
  auto it = commands_.find(verb);
  std::string wrong = it != commands_.end() ? it->second(desktop, line) : RunBuiltIn(desktop, line);
  if (wrong.empty()) return;
  std::string why = "line " + std::to_string(line.number) + ": " + wrong;
  desktop.trace().Add("script", why);
  errors_.push_back(why);
}

void ScriptTimeline::Check(const Trace& trace, const Expectation& e, std::optional<std::uint64_t> at) {
  ++expectations_;
  const auto& lines = trace.lines();
  Miss miss{e, cursorLine_, at, std::min(cursor_, lines.size()), lines.size(), 0};
  for (std::size_t i = miss.from; i < miss.to; ++i) {
    if (!MatchesExpectation(e.pattern, Trace::Body(lines[i]))) continue;
    if (e.none) {
      miss.found = i;
      misses_.push_back(miss);
      return;
    }
    cursor_ = i + 1;
    cursorLine_ = e.line;
    return;
  }
  if (!e.none) misses_.push_back(miss);
}

ScriptResult ScriptTimeline::Finish(const Trace& trace) {
  if (!finished_) {
    finished_ = true;
    for (const auto& e : atEnd_) Check(trace, e, std::nullopt);
  }
  ScriptResult r;
  r.expectations = expectations_;
  r.unmet = static_cast<int>(misses_.size());
  r.errors = static_cast<int>(errors_.size());
  r.passed = misses_.empty() && errors_.empty();
  if (!r.passed) r.report = Report(trace);
  return r;
}

std::string ScriptTimeline::Report(const Trace& trace) const {
  const auto& lines = trace.lines();
  std::string out;
  auto show = [&](std::size_t i, bool marked) {
    std::string text = lines[i];
    for (std::size_t n; (n = text.find('\n')) != std::string::npos;) text.replace(n, 1, "\\n");
    out += (marked ? "  > " : "  | ") + text + "\n";
  };
  // A long stretch shows its start and the part next to where the search ended.
  auto stretch = [&](std::size_t from, std::size_t to) {
    if (from == to) out += "  | (no trace lines)\n";
    constexpr std::size_t head = 4, tail = 12;
    for (std::size_t i = from; i < to; ++i) {
      if (to - from > head + tail + 1 && i == from + head) {
        out += "  | ... " + std::to_string(to - from - head - tail) + " more lines\n";
        i = to - tail;
      }
      show(i, false);
    }
  };
  auto when = [](const Miss& m) {
    return m.at ? "at " + std::to_string(*m.at) + " ms" : std::string("after the run");
  };
  auto since = [](const Miss& m) {
    return m.since ? "since the expectation of line " + std::to_string(m.since) : std::string("since the start");
  };
  out += "script check failed: " + std::to_string(misses_.size()) + " of " + std::to_string(expectations_) +
         " expectations not met, " + std::to_string(errors_.size()) + " malformed or unknown lines\n";
  if (!errors_.empty()) out += "malformed or unknown lines:\n";
  for (const auto& e : errors_) out += "  " + e + "\n";
  for (const auto& m : misses_) {
    const Expectation& e = m.expectation;
    out += "\nline " + std::to_string(e.line) + ": " + (e.none ? "expect-none " : "expect ") + e.pattern + "\n";
    if (e.none) {
      out += "  found " + since(m) + ", checked " + when(m) + ":\n";
      std::size_t from = std::max(m.from, m.found >= 3 ? m.found - 3 : 0);
      for (std::size_t i = from; i < std::min(m.to, m.found + 3); ++i) show(i, i == m.found);
      continue;
    }
    out += "  not in the trace " + since(m) + ", checked " + when(m) + "; the trace there:\n";
    stretch(m.from, m.to);
    if (m.to < lines.size()) {
      out += "  after the check:\n";
      for (std::size_t i = m.to; i < std::min(lines.size(), m.to + 4); ++i) show(i, false);
    }
  }
  return out;
}

std::string ScriptTimeline::RunBuiltIn(SimDesktop& desktop, const ScriptLine& line) {
  const auto& w = line.words;
  // Arguments that must be numbers where they are given.
  auto numeric = [&](std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < w.size(); ++i)
      if (!ParseScriptNumber(w[i])) return false;
    return true;
  };
  auto number = [&](std::size_t i) -> std::int64_t {
    if (i >= w.size()) return 0;
    return ParseScriptNumber(w[i]).value_or(0);
  };
  // A well-formed line whose target is missing: said in the trace only.
  auto missing = [&](const std::string& why) {
    desktop.trace().Add("script", "line " + std::to_string(line.number) + ": " + why);
    return std::string();
  };
  const std::string& verb = w[0];
  if (verb == "post" || verb == "send") {
    if (w.size() < 3 || w.size() > 5 || !numeric(2, 5)) return verb + " CLASS MESSAGE [WPARAM [LPARAM]]";
    WindowHandle target = desktop.FindWindow(w[1], "");
    if (!target) return missing("no window of class " + w[1]);
    Message m{static_cast<std::uint32_t>(number(2)), static_cast<std::uint64_t>(number(3)), number(4)};
    // Messages from a script come from a program of its own, as from outside.
    if (verb == "post")
      desktop.Post(-1, target, m);
    else
      desktop.Send(-1, target, m);
  } else if (verb == "window") {
    if ((w.size() != 2 && w.size() != 3 && w.size() != 7) || !numeric(3, 7))
      return "window CLASS [CAPTION] [LEFT TOP RIGHT BOTTOM]";
    SimProcess& p = desktop.CreateProcess(w[1] + ".exe", {});
    WindowSpec spec;
    spec.className = w[1];
    spec.caption = w.size() > 2 ? w[2] : w[1];
    spec.bounds = desktop.options().primaryMonitor;
    if (w.size() == 7)
      spec.bounds = {static_cast<int>(number(3)), static_cast<int>(number(4)), static_cast<int>(number(5)),
                     static_cast<int>(number(6))};
    spec.visible = true;
    desktop.CreateWindowFor(p.id(), spec, nullptr);
  } else if (verb == "foreground") {
    if (w.size() != 2) return "foreground CLASS";
    WindowHandle target = desktop.FindWindow(w[1], "");
    if (!target) return missing("no window of class " + w[1]);
    desktop.SetForegroundRaw(target);
  } else if (verb == "close-window") {
    if (w.size() != 2) return "close-window CLASS";
    WindowHandle target = desktop.FindWindow(w[1], "");
    if (!target) return missing("no window of class " + w[1]);
    desktop.DestroyWindow(target);
  } else if (verb == "endsession") {
    if (w.size() > 2 || (w.size() == 2 && w[1] != "cancel")) return "endsession [cancel]";
    bool cancel = w.size() > 1;
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
    if (w.size() != 3 || !numeric(1, 3)) return "cursor X Y";
    desktop.cursor = {static_cast<int>(number(1)), static_cast<int>(number(2))};
  } else if (verb == "mouse-move") {
    if (w.size() != 3 || !numeric(1, 3)) return "mouse-move X Y";
    desktop.MoveMouse({static_cast<int>(number(1)), static_cast<int>(number(2))});
  } else if (verb == "mouse-down" || verb == "mouse-up" || verb == "click") {
    auto button = w.size() == 2 ? ParseButton(w[1]) : std::nullopt;
    if (!button) return verb + " left|right|middle";
    if (verb != "mouse-up") desktop.PressButton(*button, true);
    if (verb != "mouse-down") desktop.PressButton(*button, false);
  } else if (verb == "wheel") {
    if (w.size() != 2 || !numeric(1, 2)) return "wheel DELTA";
    desktop.Wheel(static_cast<int>(number(1)));
  } else if (verb == "key-down" || verb == "key-up" || verb == "key") {
    auto vk = w.size() == 2 ? ParseVirtualKey(w[1]) : std::nullopt;
    if (!vk) return verb + " KEY (0-9, A-Z, F1-F12, Esc, Shift, Ctrl, Alt, Win or a number)";
    if (verb != "key-up") desktop.Key(*vk, true);
    if (verb != "key-down") desktop.Key(*vk, false);
  } else if (verb == "swap-buttons") {
    if (w.size() != 2 || (w[1] != "on" && w[1] != "off")) return "swap-buttons on|off";
    desktop.buttonsSwapped = w[1] == "on";
  } else if (verb == "note") {
    // The echo above is all a note does.
  } else {
    return "unknown command " + verb;
  }
  return {};
}

}  // namespace platform::sim
