// Hosts a test controls, put in place of the program's for the test's length:
// what Media Center and the configuration window would answer, and what the
// forms asked of the program.
#pragma once
#include <vector>

#include "forms/forms_host.h"
#include "forms/forms_state.h"
#include "platform/types.h"

namespace test_support {

class TestFormsHost final : public forms::FormsHost {
 public:
  TestFormsHost() : previous_(forms::State().host) { forms::State().host = this; }
  ~TestFormsHost() override { forms::State().host = previous_; }
  TestFormsHost(const TestFormsHost&) = delete;
  TestFormsHost& operator=(const TestFormsHost&) = delete;

  bool mediaCenterFillsScreen = false;
  platform::WindowHandle configurationWindow;
  int helpRequests = 0;
  std::vector<int> stateEvents;

  bool MediaCenterFillsScreen() override { return mediaCenterFillsScreen; }
  platform::WindowHandle ConfigurationWindow() override { return configurationWindow; }
  void HelpRequested() override { ++helpRequests; }
  void StateEvent(int code) override { stateEvents.push_back(code); }

 private:
  forms::FormsHost* previous_;
};

}  // namespace test_support
