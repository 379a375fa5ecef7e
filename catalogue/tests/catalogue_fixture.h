// A fresh simulated desktop and main-program process for each test, with the
// core's globals reset and the catalogue's kinds installed.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/F_main.h"
#include "catalogue/T_factory.h"
#include "triggers/a_trigger.h"
#include "platform/platform.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"

namespace catalogue_test {

inline std::string NewTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-catalogue-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  return pattern;
}

inline platform::sim::DesktopOptions Options(const std::string& root) {
  platform::sim::DesktopOptions o;
  o.hostRoot = root;
  return o;
}

class CatalogueFixture : public ::testing::Test {
 protected:
  CatalogueFixture()
      : root_(NewTempFolder()), desktop_(Options(root_)), process_(desktop_.CreateProcess("Velmora.exe", {})), bind_(process_) {
    app::ResetCoreState();
    catalogue::InstallCatalogue();
  }
  ~CatalogueFixture() override {
    triggers::ClearTriggerTable();
    catalogue::FreeCatalogue();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  std::string root_;
  platform::sim::SimDesktop desktop_;
  platform::sim::SimProcess& process_;
  platform::ScopedPlatform bind_;
};

}  // namespace catalogue_test
