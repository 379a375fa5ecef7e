// The keyboard hook: fresh presses make keystroke events, their repeats and
// release go with them until another key's message, Esc always reports.
#include <gtest/gtest.h>

#include "kinhook/sim/sim_environment.h"
#include "kinhook/tests/hook_desk.h"

namespace kinhook::test {
namespace {

TEST(KeyboardHook, ScriptedTimelines) {
  struct Case {
    const char* name;
    bool enabled;
    std::string script;
    std::vector<Report> reports;
    const char* delivered;
  } cases[] = {
      {"fresh press, repeats and release swallowed", true,
       "key-down ctrl\nkey-down a\nwait 500\nkey-down a\nkey-down a\nkey-up a\nkey-up ctrl\n", {{103, 3206}},
       "100 101"},
      {"another key in between lets the rest pass", true,
       "key-down ctrl\nkey-down a\nkey b\nkey-down a\nkey-up a\nkey-up ctrl\n", {{103, 3206}},
       "100 100 101 100 101 101"},
      {"a modifier's repeat also clears it", true,
       "key-down ctrl\nkey-down a\nkey-down ctrl\nkey-up a\nkey-up ctrl\n", {{103, 3206}}, "100 100 101 101"},
      {"unbound combination passes", true, "key-down shift\nkey a\nkey-up shift\n", {}, "100 100 101 101"},
      {"keystrokes switched off", false, "key-down ctrl\nkey a\nkey-up ctrl\n", {}, "100 100 101 101"},
      {"Esc reports and passes, switched off or not", false, "key esc\nkey-down esc\nkey-down esc\nkey-up esc\n",
       {{106, 0}, {106, 0}}, "100 101 100 100 101"},
      {"every fresh Esc reports", true, "key esc\nkey esc\n", {{106, 0}, {106, 0}}, "100 101 100 101"},
      {"Win+Shift+Ctrl+Alt+F12", true, "key-down win\nkey-down shift\nkey-down ctrl\nkey-down alt\nkey f12\n",
       {{103, 3867}}, "100 100 100 100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HookDesk h;
    h.Bind({3206, 3867});
    h.d->KeystrokesEnabled = c.enabled;
    h.Run(c.script, 0);
    EXPECT_EQ(h.Reports(), c.reports);
    EXPECT_EQ(h.Delivered(), c.delivered);
  }
}

TEST(KeyboardHook, OnlyRemovedMessagesCount) {
  HookDesk h;
  h.Bind({3110});
  platform::ScopedPlatform bind(h.Main());
  // Code 3 (the message is only looked at) and negative codes pass untouched.
  EXPECT_EQ(KeyboardStep(sim::SimEnvironment(), 3, 'A', 1), PassOn);
  EXPECT_EQ(KeyboardStep(sim::SimEnvironment(), -1, 'A', 1), PassOn);
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(KeyboardStep(sim::SimEnvironment(), 0, 'A', 1), Swallow);
  EXPECT_EQ(h.d->LastSwallowedKey, 'A');
}

}  // namespace
}  // namespace kinhook::test
