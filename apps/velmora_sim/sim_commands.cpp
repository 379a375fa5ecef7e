#include "apps/velmora_sim/sim_commands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

#include "app/F_main.h"
#include "app/program.h"
#include "profile/profile.h"
#include "gfx/codecs/image_file.h"
#include "shared/event_codes.h"
#include "triggers/a_trigger.h"
#include "platform/sim/sim_process.h"

namespace velmora_sim {
namespace sim = platform::sim;

namespace {

// Runs code of the main program inside its own process.
template <class F>
void InMainProgram(const MainProgram& program, sim::SimDesktop& desktop, const F& f) {
  sim::SimProcess* p = desktop.Process(program.process);
  if (!p) {
    desktop.trace().Add("script", "the main program is not running");
    return;
  }
  platform::ScopedPlatform bind(*p);
  f();
}

std::string Rest(const sim::ScriptLine& line, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < line.words.size(); ++i) out += (out.empty() ? "" : " ") + line.words[i];
  return out;
}

}  // namespace

void InstallProgram(sim::SimDesktop& desktop, sim::ScriptTimeline& script, MainProgram& program) {
  program.remote = std::make_unique<remdev::sim::SimRemoteLibrary>(desktop);
  desktop.RegisterProgram("Velmora.exe", [&desktop, &program](sim::SimProcess& p) {
    bool first = program.process < 0;
    if (first) {
      program.process = p.id();
      // When the script has nothing more to say, the program is closed as a
      // user would close it, so every run ends with the shutdown order.
      p.onTimelineEnd = [&desktop] {
        if (auto w = desktop.FindWindow("TMainForm", "")) desktop.Post(-1, w, {shared::QuitMessage, 1, 0});
      };
    }
    int code = app::VelmoraProgram(program.hooks, *program.remote);
    if (first) program.process = -1;
    return code;
  });
  script.AddCommand("second-copy", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    d.RunProgram("Velmora.exe", {line.words.begin() + 1, line.words.end()});
    return std::string();
  });
  script.AddCommand("quit", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    if (line.words.size() != 1) return std::string("quit");
    if (auto w = d.FindWindow("TMainForm", "")) d.Post(-1, w, {shared::QuitMessage, 1, 0});
    return std::string();
  });
  script.AddCommand("fire", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    auto code = line.words.size() == 2 ? sim::ParseScriptNumber(line.words[1]) : std::nullopt;
    if (!code) return std::string("fire CODE");
    InMainProgram(program, d, [&] { triggers::FireEvent(static_cast<int>(*code)); });
    return std::string();
  });
  script.AddCommand("load-profile", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    std::string path = Rest(line, 1);
    if (path.empty()) return std::string("load-profile PATH");
    InMainProgram(program, d, [&] { profile::ChangeProfile(path, 2); });
    return std::string();
  });
  script.AddCommand("save-profile", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    std::string path = Rest(line, 1);
    InMainProgram(program, d, [&] {
      if (!path.empty()) profile::State().ProfilePath = path;
      profile::SaveProfile();
    });
    return std::string();
  });
  script.AddCommand("triggers", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    if (line.words.size() != 1) return std::string("triggers");
    InMainProgram(program, d, [&] {
      for (int code = 1; code <= triggers::MaxEventCode; ++code) {
        triggers::TTrigger* t = triggers::TriggerAt(code);
        if (!t) continue;
        std::string cls = t->Tool ? std::string(t->Tool->ClassName()) : "-";
        std::string cap = t->Tool ? t->Tool->UCap : "";
        d.trace().Add("trigger", std::to_string(code) + " " + cls + " \"" + cap + "\" " + std::to_string(t->ButtonMode));
      }
    });
    return std::string();
  });
  script.AddCommand("answer", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    // answer FORM-OR-DIALOG CONTROL|RESULT [TEXT]: queued for the next modal run
    // of that form or dialog.
    if (line.words.size() < 3) return std::string("answer FORM-OR-DIALOG CONTROL|RESULT [TEXT]");
    d.QueueAnswer({line.words[1], line.words[2], Rest(line, 3)});
    return std::string();
  });
  script.AddCommand("click-control", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    if (line.words.size() != 3) return std::string("click-control FORM CONTROL");
    sim::SimForm* form = d.FindForm(line.words[1]);
    if (!form) {
      d.trace().Add("script", "no form " + line.words[1]);
      return std::string();
    }
    sim::SimProcess* p = d.Process(form->process);
    platform::ScopedPlatform bind(*p);
    sim::ClickControl(d, *form, line.words[2]);
    return std::string();
  });
  script.AddCommand("dump-form", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    if (line.words.size() != 3) return std::string("dump-form NAME FILE.png");
    sim::SimForm* form = d.FindForm(line.words[1]);
    if (!form) {
      d.trace().Add("script", "no form " + line.words[1]);
      return std::string();
    }
    std::error_code ec;
    if (auto folder = std::filesystem::path(line.words[2]).parent_path(); !folder.empty())
      std::filesystem::create_directories(folder, ec);
    if (!gfx::codecs::WritePngFile(line.words[2], sim::RenderForm(d, *form)))
      d.trace().Add("script", "cannot write " + line.words[2]);
    return std::string();
  });
  script.AddCommand("profile-command", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    // The editor's profile commands through their dialogs.
    std::string what = line.words.size() == 2 ? line.words[1] : "";
    if (what != "new" && what != "open" && what != "save" && what != "save-as")
      return std::string("profile-command new|open|save|save-as");
    InMainProgram(program, d, [&] {
      if (what == "new") profile::NewProfile();
      else if (what == "open") profile::OpenProfile();
      else if (what == "save") profile::SaveWithMode(3);
      else profile::SaveWithMode(1);
    });
    return std::string();
  });
  script.AddCommand("device", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    // device plug|unplug|report [CODE...]|fail STEP [TIMES]: the hand-held remote.
    const std::string usage = "device plug|unplug|report [CODE...]|fail STEP [TIMES]";
    if (line.words.size() < 2) return usage;
    remdev::sim::SimRemoteLibrary& remote = *program.remote;
    const std::string& what = line.words[1];
    if (what == "plug" && line.words.size() == 2) {
      if (remote.interfaceCount() == 0)
        remote.AddInterface(remdev::sim::StandardRemote());
      else
        remote.Plug(0);
      d.trace().Add("device", "plugged");
      return std::string();
    }
    if (what == "unplug" && line.words.size() == 2) {
      remote.Unplug(0);
      d.trace().Add("device", "unplugged");
      return std::string();
    }
    if (what == "fail") {
      // device fail STEP [TIMES]: the next calls of that step fail.
      static const std::pair<const char*, remdev::sim::Step> steps[] = {
          {"interface-list", remdev::sim::Step::InterfaceList}, {"detail", remdev::sim::Step::Detail},
          {"detail-memory", remdev::sim::Step::DetailMemory},   {"open", remdev::sim::Step::OpenDevice},
          {"preparsed-data", remdev::sim::Step::PreparsedData}, {"caps", remdev::sim::Step::Caps},
          {"thread", remdev::sim::Step::StartReader},           {"mutex", remdev::sim::Step::CreateMutex},
          {"read", remdev::sim::Step::IssueRead},               {"cancel", remdev::sim::Step::CancelRead}};
      auto times = line.words.size() == 4 ? sim::ParseScriptNumber(line.words[3]) : std::optional<std::int64_t>(1);
      if (line.words.size() < 3 || line.words.size() > 4 || !times || *times < 1)
        return std::string("device fail STEP [TIMES]");
      for (const auto& [name, step] : steps)
        if (line.words[2] == name) {
          remote.Fail(step, static_cast<int>(*times));
          return std::string();
        }
      return std::string("device fail interface-list|detail|detail-memory|open|preparsed-data|caps|thread|mutex|read|cancel");
    }
    if (what != "report") return usage;
    std::vector<std::uint8_t> report(remdev::sim::StandardRemote().caps.inputReportLength, 0);
    if (line.words.size() > report.size()) return std::string("device report: at most 8 codes");
    for (std::size_t i = 2; i < line.words.size(); ++i) {
      auto code = sim::ParseScriptNumber(line.words[i]);
      if (!code || *code < 1 || *code > 255) return std::string("device report CODE... (1..255)");
      report[i - 1] = static_cast<std::uint8_t>(*code);
    }
    if (remote.interfaceCount() == 0 || !remote.interfaceAt(0).present) {
      d.trace().Add("script", "no device is plugged");
      return std::string();
    }
    remote.DeviceReport(0, report);
    return std::string();
  });
  script.AddCommand("file", [&program](sim::SimDesktop& d, const sim::ScriptLine& line) {
    // file WINDOWS-PATH HOST-PATH: copies a fixture onto the simulated drive.
    if (line.words.size() != 3) return std::string("file WINDOWS-PATH HOST-PATH");
    std::string host = d.HostPath(line.words[1]);
    std::filesystem::create_directories(std::filesystem::path(host).parent_path());
    std::error_code ec;
    std::filesystem::copy_file(line.words[2], host, std::filesystem::copy_options::overwrite_existing, ec);
    // A fixture that is not there is the script's own mistake.
    return ec ? "cannot copy " + line.words[2] : std::string();
  });
}

int RunScript(sim::SimDesktop& desktop, sim::ScriptTimeline& script) {
  desktop.SetTimeline(&script);
  int code = desktop.RunProgram("Velmora.exe", script.programArguments);
  // Whatever the program left undone in the script still runs, against a
  // desktop without it (a second copy started after the first ended, say).
  while (desktop.StepTimeline()) {
  }
  desktop.SetTimeline(nullptr);
  return code;
}

}  // namespace velmora_sim
