// A simulated desktop with the hook library installed: the main program's
// control window (a plain TMainForm that records what it is posted), the shared
// block with the values the main program would write, and a foreign program's
// window under the pointer. Timelines are the velmora-sim script language.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kinhook/sim/sim_hook_library.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_script.h"
#include "shared/A_globtr.h"

namespace kinhook::test {

using Report = std::pair<std::uint64_t, std::int64_t>;  // command, lParam

class HookDesk {
 public:
  explicit HookDesk(platform::sim::DesktopOptions options = {}) : desk_(std::move(options)) {
    main_ = &desk_.CreateProcess("Velmora.exe", {});
    platform::ScopedPlatform bind(*main_);
    platform::WindowSpec spec;
    spec.className = "TMainForm";
    spec.bounds = {-10000, -10000, -9990, -9990};
    control_ = main_->Create(spec, nullptr);
    mapping_ = main_->CreateMapping(shared::SharedDataName, shared::SharedDataSize).handle;
    d = reinterpret_cast<shared::MouseHookSharedData*>(main_->MapView(mapping_, shared::SharedDataSize));
    d->ControlWindow = static_cast<std::int32_t>(control_.value);
    d->LastSwallowedKey = shared::NoSwallowedKey;
    d->MouseClicksEnabled = d->HotspotsEnabled = d->ShakeGesturesEnabled = d->RGesturesEnabled = 1;
    d->KeystrokesEnabled = 1;
    d->PrimaryUp = 1;
    d->SwipeFollowMode = 1;
    d->GestureTrail = 1;
    d->SwipeMinDistance = 179;
    d->ShakeMinStroke = 250;
    d->ShakeWindow = 750;
    d->HotspotHoldTime = 1000;
    d->HotspotCornerSize = 5;
    platform::Rect v = main_->VirtualScreen();
    d->VirtualScreenRect = {v.left, v.top, v.right, v.bottom};
    d->SideInsetX = v.Width() / 4;
    d->SideInsetY = v.Height() / 4;
    auto& app = desk_.CreateProcess("notepad.exe", {});
    spec.className = "NOTEPAD";
    spec.bounds = v;
    spec.visible = true;
    app_ = desk_.CreateWindowFor(app.id(), spec, nullptr);
    desk_.SetForegroundRaw(app_);
    hooks_.InstallHooks();
  }
  ~HookDesk() {
    platform::ScopedPlatform bind(*main_);
    hooks_.RemoveHooks();
    desk_.SetTimeline(nullptr);
    DropBlock();
  }

  // What the main program's end does to the block: afterwards it no longer
  // exists unless someone else still holds it.
  void DropBlock() {
    if (!d) return;
    main_->UnmapView(reinterpret_cast<std::uint8_t*>(d));
    main_->CloseMapping(mapping_);
    d = nullptr;
  }

  void Bind(std::initializer_list<int> codes) {
    for (int c : codes) d->EventBound[c] = 1;
  }

  // Runs the script to its end, then lets the desktop settle for `settle` ms.
  void Run(const std::string& script, std::uint64_t settle = 1000) {
    script_ = std::make_unique<platform::sim::ScriptTimeline>(script);
    desk_.SetTimeline(script_.get());
    while (desk_.StepTimeline()) {
    }
    desk_.AdvanceBy(settle);
  }

  std::vector<Report> Reports() const {
    std::vector<Report> out;
    for (const auto& m : const_cast<platform::sim::SimDesktop&>(desk_).Window(control_)->received)
      if (m.msg == shared::InternalCommand) out.emplace_back(m.wParam, m.lParam);
    return out;
  }
  // Button, wheel and key messages the foreign window received, in hex.
  std::string Delivered() const {
    std::string out;
    for (const auto& m : const_cast<platform::sim::SimDesktop&>(desk_).Window(app_)->received)
      if (m.msg != 0x200) out += (out.empty() ? "" : " ") + Hex(m.msg);
    return out;
  }
  // Elapsed time at which the foreign window first got a message whose trace
  // starts with `what` ("0x204"), or -1.
  long DeliveredAt(const std::string& what) const {
    std::string needle = "input NOTEPAD " + what;
    for (const auto& line : const_cast<platform::sim::SimDesktop&>(desk_).trace().lines())
      if (line.find(needle) != std::string::npos) return std::stol(line.substr(0, 7));
    return -1;
  }
  void ClearReceived() {
    desk_.Window(control_)->received.clear();
    desk_.Window(app_)->received.clear();
  }

  platform::sim::SimDesktop& desk() { return desk_; }
  platform::sim::SimProcess& Main() { return *main_; }
  platform::WindowHandle app() const { return app_; }
  shared::MouseHookSharedData* d = nullptr;

 public:
  kinhook::sim::SimHookLibrary& hooks() { return hooks_; }

 private:
  static std::string Hex(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", v);
    return buf;
  }
  platform::sim::SimDesktop desk_;
  kinhook::sim::SimHookLibrary hooks_;
  platform::sim::SimProcess* main_ = nullptr;
  platform::WindowHandle control_, app_;
  platform::MappingHandle mapping_;
  std::unique_ptr<platform::sim::ScriptTimeline> script_;
};

}  // namespace kinhook::test
