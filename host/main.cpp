// panelhost: the stand-in for the simulator's panel system, on the command
// line. Loads gauge modules, shows what they hold, and drives their gauges.
#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "demo.h"
#include "eval_command.h"
#include "inspect.h"
#include "panel_host.h"

namespace {

using namespace panelhost;

int run_inspect(const std::string& module_path, bool as_json) {
  PanelHost host;
  ModuleLibrary& module = host.load(module_path);
  const auto report = inspect_module(host, module);
  std::cout << (as_json ? report.dump(2) + "\n" : inspect_text(report));
  return 0;
}

int run_eval_command(const std::string& module_path, const std::string& gauge_name, std::vector<std::string> steps) {
  bool as_json = false;
  std::erase_if(steps, [&](const std::string& argument) { return argument == "--json" && (as_json = true); });
  const std::vector<EvalStep> parsed = parse_eval_steps(steps);
  PanelHost host;
  ModuleLibrary& module = host.load(module_path);
  GaugeInstance& gauge = host.install(module, gauge_name);
  const nlohmann::json report = run_eval(host, gauge, parsed);
  std::cout << (as_json ? report.dump(2) + "\n" : eval_text(report));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"panelhost: loads gauge modules, shows their gauges and drives them as the simulator's panel would"};
  app.require_subcommand(0, 1);

  const std::filesystem::path program_dir = std::filesystem::absolute(argv[0]).parent_path();
  std::string modules_dir = program_dir.string();
  app.add_option("--modules", modules_dir, "Folder where modules are found by name (default: panelhost's own)");

  std::string module_path;
  bool as_json = false;
  CLI::App* inspect = app.add_subcommand("inspect", "Print a module's gauge table, elements and mouse rows");
  inspect->add_option("module", module_path, "The module file (.gau)")->required();
  inspect->add_flag("--json", as_json, "One JSON document instead of text");

  std::string gauge_name;
  CLI::App* eval = app.add_subcommand(
      "eval", "Install a gauge and run steps in order: --set ID=VALUE, --set-int ID=VALUE, --update, --click X,Y[,FLAGS]; --json");
  eval->add_option("module", module_path, "The module file (.gau)")->required();
  eval->add_option("gauge", gauge_name, "The gauge's name literal")->required();
  eval->prefix_command();

  CLI::App* demo = app.add_subcommand("demo", "Show both modules at work on the built-in default (the default command)");

  CLI11_PARSE(app, argc, argv);
  try {
    if (*inspect) return run_inspect(module_path, as_json);
    if (*eval) return run_eval_command(module_path, gauge_name, eval->remaining());
    (void)demo;
    return run_demo(modules_dir, std::cout);
  } catch (const UsageError& error) {
    std::cerr << "panelhost: " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "panelhost: " << error.what() << "\n";
    return 1;
  }
}
