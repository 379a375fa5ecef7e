// The tool room's state: the active tool and the one being configured, the
// pending activation, every live tool by its identity, the tools kept until
// command 5 frees them, the image slots, the kinds a profile can name and the
// program's host. One object per program (base/program_state.h).
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"
#include "tool/T_tool.h"
#include "tool/image_slots.h"
#include "tool/tool_host.h"
#include "tool/tool_kinds.h"

namespace base {
class ProgramSteps;
}

namespace tool {

struct ToolState {
  ToolState();
  ~ToolState();
  ToolState(const ToolState&) = delete;
  ToolState& operator=(const ToolState&) = delete;

  TTool* ActiveTool = nullptr;
  TTool* ConfiguringTool = nullptr;
  // A tool to activate once the tick count has passed the time (command 2 from
  // the fast timer); 0 for none.
  ToolId PendingActivation = 0;
  platform::Tick PendingActivationTime = 0;

  std::map<ToolId, TTool*> live;
  ToolId nextToolId = 1;
  std::vector<ToolPtr> keptTools;
  ImageSlots previews, icons;
  // Class names in lower case -> the name as registered and its maker.
  std::map<std::string, std::pair<std::string, ToolMaker>> kinds;
  ToolHost* host = nullptr;
};

ToolState& State();
// The program's host; aborts when the program has not set one.
ToolHost& Host();

// "Load Graphics" (where tool-owned pictures start in the lists) and "Free
// Kept Tools".
void RegisterSteps(base::ProgramSteps& steps);

}  // namespace tool
