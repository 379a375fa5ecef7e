// Tool kinds for the core's tests: they record what the core asked of them.
#pragma once
#include <string>
#include <vector>

#include "core/T_tool.h"
#include "core/XRLIniFile.h"

namespace core_tests {

std::vector<std::string>& ToolLog();

// A screen-tool-like kind: becomes the active tool and logs its lifecycle.
class TLogTool : public core::TTool {
 public:
  std::string_view ClassName() const override { return "TLogTool"; }
  core::ToolPtr Clone() const override;
  void InitDefaults() override { KindName = "Log"; }
  void Execute() override { ToolLog().push_back("execute " + UCap); }
  void Start() override {
    ToolLog().push_back("start " + UCap);
    if (endInStart) Deactivate();
  }
  void Stop() override { ToolLog().push_back("stop " + UCap); }
  void Tick() override { ++ticks; }
  void SaveSettings(core::TXRLIniFile&) override;
  void LoadSettings(core::TXRLIniFile&) override;

  bool endInStart = false;
  int ticks = 0;
  // Settings that exercise the persistence helpers.
  std::uint8_t mode = 1;
  int size = 10;
  int color = 0x112233;
  bool flag = false;
  std::string text = "abc";
  core::ToolFont font;
};

void RegisterTestKinds();  // TLogTool, and stand-ins for the two fixed tools

}  // namespace core_tests
