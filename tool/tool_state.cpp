#include "tool/tool_state.h"

#include <cstdio>
#include <cstdlib>

#include "base/program_state.h"
#include "base/program_steps.h"
#include "resources/A_resrce.h"
#include "resources/stock_icons.h"

namespace tool {

ToolState::ToolState() {
  kinds["tbasictool"] = {"TBasicTool", [] { return MakeTool<TBasicTool>(); }};
  kinds["tdummytool"] = {"TDummyTool", [] { return MakeTool<TDummyTool>(); }};
}

// The kept tools go while the rest of the state still stands: their deleter
// looks at the active tool.
ToolState::~ToolState() { keptTools.clear(); }

ToolState& State() { return base::CurrentProgram().Get<ToolState>(); }

ToolHost& Host() {
  ToolHost* host = State().host;
  if (!host) {
    std::fputs("the program set no host for its tools\n", stderr);
    std::abort();
  }
  return *host;
}

void RegisterSteps(base::ProgramSteps& steps) {
  steps.Add("Load Graphics", [] { ResetImageSlots(resources::StockIconCount, resources::PreviewList().count()); });
  steps.Add("Free Kept Tools", FreeAllKeptTools);
}

}  // namespace tool
