// Malformed modules are reported with the file and the problem, never
// followed into a crash.
#include <gtest/gtest.h>

#include <filesystem>

#include "inspect.h"
#include "module_files.h"
#include "panel_host.h"

namespace {

struct BrokenCase {
  const char* module;
  const char* problem;
};

const BrokenCase kCases[] = {
    {"broken_no_exports", "not a gauge module: it does not export ImportTable"},
    {"broken_null_gauge_table", "the gauge table is empty"},
    {"broken_endless_children", "the child list does not end within 64 entries"},
    {"broken_cycle", "appears twice in the tree"},
    {"broken_unknown_kind", "unknown element kind 9"},
    {"broken_root_outside", "points outside the module"},
    {"broken_mouse_nesting", "still open"},
    {"no_such_module", "no such file"},
};

TEST(BrokenModules, AreReportedWithFileAndProblem) {
  for (const BrokenCase& c : kCases) {
    SCOPED_TRACE(c.module);
    const std::filesystem::path path = test_support::module_path(c.module);
    try {
      panelhost::PanelHost host;
      panelhost::ModuleLibrary& module = host.load(path);
      (void)panelhost::inspect_module(host, module);
      host.install(module, "Broken");
      ADD_FAILURE() << "no error";
    } catch (const std::exception& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(path.string()), std::string::npos) << message;
      EXPECT_NE(message.find(c.problem), std::string::npos) << message;
    }
  }
}

TEST(BrokenModules, UnknownGaugeNamesTheGaugesThereAre) {
  panelhost::PanelHost host;
  panelhost::ModuleLibrary& module = host.load(test_support::module_path("Velmar_Tavrin"));
  try {
    host.install(module, "Fuel Gauge");
    ADD_FAILURE() << "no error";
  } catch (const panelhost::HostError& error) {
    EXPECT_NE(std::string(error.what()).find("no gauge named \"Fuel Gauge\" (the module has \"Fuel\""),
              std::string::npos)
        << error.what();
  }
}

TEST(BrokenModules, AGaugeIsInstalledOnceAtATime) {
  panelhost::PanelHost host;
  panelhost::ModuleLibrary& module = host.load(test_support::module_path("Velmar_Tavrin"));
  panelhost::GaugeInstance& fuel = host.install(module, "Fuel");
  EXPECT_THROW(host.install(module, "Fuel"), panelhost::HostError);
  host.remove(fuel);
  EXPECT_NO_THROW(host.install(module, "Fuel"));
}

}  // namespace
