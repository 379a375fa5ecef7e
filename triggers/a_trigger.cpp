#include "triggers/a_trigger.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/program_state.h"
#include "base/program_steps.h"
#include "platform/platform.h"
#include "shared/event_codes.h"
#include "store/XRLIniFile.h"
#include "tool/tool_kinds.h"
#include "tool/tool_state.h"

namespace triggers {

// The tools the table owns need the tool room's state until they are gone.
TriggerState::TriggerState() : slots(MaxEventCode + 1) { (void)tool::State(); }

TriggerState::~TriggerState() {
  // Each tool goes while the table still stands: its deleter may look it up.
  for (auto& slot : slots)
    if (slot) slot->Tool.reset();
}

TriggerState& State() { return base::CurrentProgram().Get<TriggerState>(); }

void RegisterSteps(base::ProgramSteps& steps) {
  steps.Add("Create Triggers", ClearTriggerTable);
  steps.Add("Free Triggers", DeleteAllTriggers);
}

namespace {

std::vector<std::unique_ptr<TTrigger>>& Slots() { return State().slots; }

bool HasSlot(int code) { return code > 0 && code <= MaxEventCode; }

}  // namespace

TTrigger* TriggerAt(int code) { return HasSlot(code) ? Slots()[static_cast<std::size_t>(code)].get() : nullptr; }

void ClearTriggerTable() {
  for (auto& s : Slots()) s.reset();
}

TTrigger* GetOrCreateTrigger(int code) {
  if (!HasSlot(code)) return nullptr;
  auto& slot = Slots()[static_cast<std::size_t>(code)];
  if (!slot) slot = std::make_unique<TTrigger>(code);
  return slot.get();
}

void DeleteTrigger(int code) {
  if (!HasSlot(code)) return;
  auto& slot = Slots()[static_cast<std::size_t>(code)];
  if (!slot) return;
  // Free the tool first: its deleter may still look the table up.
  slot->Tool.reset();
  slot.reset();
  State().ProfileModified = true;
}

void DeleteAllTriggers() {
  for (int code = MaxEventCode; code >= 1; --code)
    if (Slots()[static_cast<std::size_t>(code)]) DeleteTrigger(code);
}

bool IsBound(int code) {
  TTrigger* t = TriggerAt(code);
  return t && t->Tool;
}

bool AnyBoundInRange(int first, int last) {
  first = std::max(first, 1);
  last = std::min(last, MaxEventCode);
  for (int code = first; code <= last; ++code)
    if (IsBound(code)) return true;
  return false;
}

void BindTool(int code, tool::ToolPtr tool) {
  TTrigger* t = TriggerAt(code);
  if (!t) return;
  t->Tool = std::move(tool);
  State().ProfileModified = true;
}

tool::ToolPtr TakeTool(int code) {
  TTrigger* t = TriggerAt(code);
  if (!t) return nullptr;
  State().ProfileModified = true;
  return std::move(t->Tool);
}

void FreeTool(int code) {
  TTrigger* t = TriggerAt(code);
  if (!t) return;
  t->Tool.reset();
  State().ProfileModified = true;
}

tool::ToolPtr CopyTool(int code) {
  TTrigger* t = TriggerAt(code);
  if (!t || !t->Tool) return nullptr;
  return t->Tool->Duplicate();
}

void FireEvent(int code) {
  TTrigger* t = TriggerAt(code);
  platform::os().diagnostics().Note("event", std::to_string(code) + (t && t->Tool ? " fired" : " unbound"));
  if (t && t->Tool) t->Tool->Activate();
}

bool ToolAllowedFor(int code, const tool::TTool& tool) { return tool.AllowedFor(code); }

int GroupFirst(int code) {
  using namespace shared;
  if (code >= EvBoardPageFirst && code <= EvBoardPageLast) return EvBoardPageFirst;
  if (code >= EvToolbarFirst && code <= EvToolbarLast)
    return EvToolbarFirst + (code - EvToolbarFirst) / EvToolbarGroupSize * EvToolbarGroupSize;
  if (code == EvLastGroup) return EvLastGroup;
  return 0;
}

int GroupLast(int code) {
  using namespace shared;
  if (code >= EvBoardPageFirst && code <= EvBoardPageLast) return EvBoardPageLast;
  if (code >= EvToolbarFirst && code <= EvToolbarLast) return GroupFirst(code) + EvToolbarGroupSize - 1;
  if (code == EvLastGroup) return EvLastGroup;
  return 0;
}

int FirstFreeInGroup(int code) {
  int first = GroupFirst(code);
  if (!first) return 0;
  int last = GroupLast(code);
  for (int c = first; c <= last; ++c)
    if (!TriggerAt(c)) return c;
  return last + 1;
}

bool InsertInGroup(int code, tool::ToolPtr tool) {
  int first = GroupFirst(code);
  if (!first) return false;
  int last = GroupLast(code);
  std::vector<tool::ToolPtr> tools;
  int bound = 0;
  for (int c = first; c <= last; ++c)
    if (IsBound(c)) ++bound;
  if (bound + (tool ? 1 : 0) > last - first + 1) return false;
  for (int c = first; c <= last; ++c) {
    if (c == code && tool) tools.push_back(std::move(tool));
    if (IsBound(c)) tools.push_back(TakeTool(c));
  }
  for (int c = first; c <= last; ++c) DeleteTrigger(c);
  int c = first;
  for (auto& t : tools) {
    GetOrCreateTrigger(c);
    BindTool(c, std::move(t));
    ++c;
  }
  return true;
}

void SaveTriggers(store::TXRLIniFile& ini) {
  ini.Section = "Triggers";
  ini.KeyPrefix1.clear();
  ini.KeyPrefix2.clear();
  ini.KeyPrefix3.clear();
  int n = 0;
  for (int code = 1; code <= MaxEventCode; ++code) {
    TTrigger* t = TriggerAt(code);
    if (!t || (!t->Tool && t->Placeholder)) continue;
    std::string e = std::to_string(n);
    ini.WriteInteger(e + "_ID", t->Code);
    ini.WriteFloat(e + "_ST", t->StartTime);
    ini.WriteInteger(e + "_RY", t->RepeatYears);
    ini.WriteInteger(e + "_RM", t->RepeatMonths);
    ini.WriteInteger(e + "_RD", t->RepeatDays);
    ini.WriteInteger(e + "_RH", t->RepeatHours);
    ini.WriteInteger(e + "_RN", t->RepeatMinutes);
    ini.WriteInteger(e + "_PD", t->DayMask);
    ini.WriteBool(e + "_CU", t->CatchUp);
    if (t->Tool) {
      ini.KeyPrefix1 = e + "__";
      t->Tool->SaveTool(ini);
      ini.KeyPrefix1.clear();
    }
    ++n;
  }
  ini.Section = "Trigger Count";
  ini.WriteInteger("TriggerCount", n);
}

void LoadTriggers(store::TXRLIniFile& ini) {
  ini.KeyPrefix1.clear();
  ini.KeyPrefix2.clear();
  ini.KeyPrefix3.clear();
  ini.Section = "Trigger Count";
  int count = std::clamp(ini.ReadInteger("TriggerCount", 0), 0, MaxTriggerEntries);
  ini.Section = "Triggers";
  double now = platform::os().clock().LocalNow();
  for (int n = count - 1; n >= 0; --n) {
    ini.KeyPrefix1.clear();
    std::string e = std::to_string(n);
    int code = ini.ReadInteger(e + "_ID", 0);
    // A code without a slot would make a trigger and a tool that nobody owns.
    if (!HasSlot(code)) continue;
    TTrigger* t = GetOrCreateTrigger(code);
    t->StartTime = ini.ReadFloat(e + "_ST", now);
    t->RepeatYears = static_cast<std::uint16_t>(ini.ReadInteger(e + "_RY", 0));
    t->RepeatMonths = static_cast<std::uint16_t>(ini.ReadInteger(e + "_RM", 0));
    t->RepeatDays = static_cast<std::uint16_t>(ini.ReadInteger(e + "_RD", 0));
    t->RepeatHours = static_cast<std::uint16_t>(ini.ReadInteger(e + "_RH", 0));
    t->RepeatMinutes = static_cast<std::uint16_t>(ini.ReadInteger(e + "_RN", 0));
    t->CatchUp = ini.ReadBool(e + "_CU", false);
    int mask = ini.ReadInteger(e + "_PD", 0);
    t->DayMask = static_cast<std::uint8_t>(mask < 0 || mask > 255 ? 0 : mask);
    ini.KeyPrefix1 = e + "__";
    std::string cls = ini.ReadString("#T", "_NotFound");
    if (cls != "_NotFound") {
      if (tool::ToolPtr tool = tool::CreateToolByName(cls)) {
        tool->LoadTool(ini);
        BindTool(code, std::move(tool));
      }
    }
  }
  ini.KeyPrefix1.clear();
}

}  // namespace triggers
