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
#include "play_command.h"
#include "render_command.h"

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

  panel::RenderOptions render_options;
  std::string render_out;
  CLI::App* render = app.add_subcommand(
      "render", "Draw the panel (or one gauge) at the given variable values to PNG (default: the built-in panel)");
  render->add_option("--layout", render_options.layout_file, "A panel layout file (default: the built-in panel)");
  render->add_option("--gauge", render_options.gauge, "Draw one gauge alone: MODULE!GAUGE NAME");
  render->add_option("--set", render_options.sets, "ID=VALUE: a host variable, coded as the simulator codes it");
  render->add_option("--set-int", render_options.set_ints, "ID=VALUE: a host variable, integer-coded");
  render->add_option("--updates", render_options.updates, "Updates before drawing (default 1)");
  render->add_option("--zoom", render_options.zoom, "Enlarge a single gauge 1 to 8 times");
  render->add_flag("--hotspots", render_options.hotspots, "Outline every mouse rectangle with its help id or cursor");
  render->add_flag("--print-layout", render_options.print_layout, "Print the layout as a file instead of drawing");
  render->add_option("-o,--out", render_out, "The PNG file (default out/panel.png or out/GAUGE.png)");

  scenario::PlayCommandOptions play_options;
  std::string play_out = "out";
  bool no_animation = false;
  CLI::App* play = app.add_subcommand(
      "play", "Fly a scenario (default: the built-in sortie): PNG frames, an animated GIF and a log in --out");
  play->add_option("scenario", play_options.scenario_file, "The scenario's JSON file");
  play->add_option("-o,--out", play_out, "Folder for the frames, animation and log (default out)");
  play->add_flag("--no-animation", no_animation, "Skip the animated GIF");
  play->add_flag("--print-default", play_options.print_scenario, "Print the built-in sortie's JSON");

  CLI::App* demo = app.add_subcommand(
      "demo", "Show both modules at work on the built-in default, draw the panel and fly the sortie into out/ (the "
              "default command)");

  CLI11_PARSE(app, argc, argv);
  try {
    if (*inspect) return run_inspect(module_path, as_json);
    if (*eval) return run_eval_command(module_path, gauge_name, eval->remaining());
    if (*render) {
      render_options.modules_dir = modules_dir;
      render_options.out = render_out;
      return panel::run_render(render_options, std::cout);
    }
    if (*play) {
      play_options.modules_dir = modules_dir;
      play_options.out_dir = play_out;
      play_options.animation = !no_animation;
      return scenario::run_play(play_options, std::cout, std::cerr);
    }
    (void)demo;
    const int status = run_demo(modules_dir, std::cout);
    if (status != 0) return status;
    return run_demo_pictures(modules_dir, "out", std::cout, std::cerr);
  } catch (const UsageError& error) {
    std::cerr << "panelhost: " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "panelhost: " << error.what() << "\n";
    return 1;
  }
}
