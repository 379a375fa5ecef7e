// a_trigger: the trigger table. One trigger per event code binds the code to at
// most one tool and owns it. Toolbar buttons and drawing-board pages are triggers
// in reserved code ranges, kept in ordered groups.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "shared/event_codes.h"
#include "tool/T_tool.h"

namespace base {
class ProgramSteps;
}
namespace store {
class TXRLIniFile;
}

namespace triggers {

inline constexpr int MaxEventCode = shared::EvLast;

class TTrigger {
 public:
  explicit TTrigger(int code) : Code(code) {}
  int Code;
  double StartTime = 0;
  std::uint16_t RepeatYears = 0, RepeatMonths = 0, RepeatDays = 0, RepeatHours = 0, RepeatMinutes = 0;
  std::uint8_t DayMask = 0;
  bool CatchUp = false;
  tool::ToolPtr Tool;
  bool Placeholder = false;
  int ButtonMode = 0;
};

// The room's state: the table, and whether what it binds changed since the
// profile was loaded or saved (every edit of a binding goes through the table,
// so the flag lives here; the profile reads and clears it).
struct TriggerState {
  TriggerState();
  ~TriggerState();
  TriggerState(const TriggerState&) = delete;
  TriggerState& operator=(const TriggerState&) = delete;

  std::vector<std::unique_ptr<TTrigger>> slots;  // by code, 0..MaxEventCode
  bool ProfileModified = false;
};

TriggerState& State();
// "Create Triggers" (an empty table) and "Free Triggers" (62561 down to 1).
void RegisterSteps(base::ProgramSteps& steps);

// Slots 1..62561; code 0 and codes above have none.
TTrigger* TriggerAt(int code);
void ClearTriggerTable();
// The trigger of the code, made and registered if there is none. A code without
// a slot (0, negative, above MaxEventCode) gets none: a trigger there would be
// owned by nobody, and so would its tool.
TTrigger* GetOrCreateTrigger(int code);
void DeleteTrigger(int code);
void DeleteAllTriggers();  // 62561 down to 1
bool IsBound(int code);
bool AnyBoundInRange(int first, int last);
void BindTool(int code, tool::ToolPtr tool);
tool::ToolPtr TakeTool(int code);
void FreeTool(int code);
tool::ToolPtr CopyTool(int code);
void FireEvent(int code);
bool ToolAllowedFor(int code, const tool::TTool& tool);

int GroupFirst(int code);
int GroupLast(int code);
int FirstFreeInGroup(int code);
// False (and nothing changed) when the group has no room for one more tool.
[[nodiscard]] bool InsertInGroup(int code, tool::ToolPtr tool);

void SaveTriggers(store::TXRLIniFile& ini);
void LoadTriggers(store::TXRLIniFile& ini);

// Entries a profile may hold; a larger count reads only the first this many.
// Saving writes every trigger (toolbars alone hold 560 codes each), so loading
// accepts as many entries as there are codes: a smaller limit would lose the
// rest of a large profile on reload.
inline constexpr int MaxTriggerEntries = 62561;

}  // namespace triggers
