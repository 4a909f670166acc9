#include "demo.h"

#include <fmt/format.h>

#include "eval_command.h"
#include "panel_host.h"
#include "play_command.h"
#include "render_command.h"

namespace panelhost {
namespace {

struct DemoGauge {
  const char* module;
  const char* gauge;
  std::vector<std::string> steps;
};

// Each gauge that exists, driven through its main cases.
const std::vector<DemoGauge>& demo_gauges() {
  static const std::vector<DemoGauge> gauges = {
      {"Velmar_Tavrin", "Fuel", {"--set", "304=132.5", "--set", "303=264", "--update", "--set", "304=nan", "--set", "303=-5", "--update"}},
      {"Velmar_Tavrin", "Fuel Tank Switch",
       {"--set-int", "307=2", "--update", "--click", "60,20", "--click", "20,60", "--click", "100,60", "--click",
        "60,100", "--click", "64,64"}},
      {"quadrant", "Engine Controls",
       {"--set", "129=8192", "--update", "--click", "10,0", "--click", "10,105,0x00800000", "--click", "150,209"}},
  };
  return gauges;
}

}  // namespace

int run_demo(const std::filesystem::path& modules_dir, std::ostream& out) {
  PanelHost host;
  for (const DemoGauge& demo : demo_gauges()) {
    const std::filesystem::path file = modules_dir / (std::string(demo.module) + ".gau");
    if (!std::filesystem::exists(file)) {
      out << fmt::format("(skipping {}: {} not built)\n\n", demo.gauge, file.string());
      continue;
    }
    ModuleLibrary& module = host.load(file);
    GaugeInstance& gauge = host.install(module, demo.gauge);
    out << eval_text(run_eval(host, gauge, parse_eval_steps(demo.steps))) << "\n";
  }
  return 0;
}

int run_demo_pictures(const std::filesystem::path& modules_dir, const std::filesystem::path& out_dir,
                      std::ostream& out, std::ostream& progress) {
  // The built-in panel, plain and with its click areas outlined.
  panel::RenderOptions render;
  render.modules_dir = modules_dir;
  render.out = out_dir / "panel.png";
  panel::run_render(render, out);
  render.hotspots = true;
  render.out = out_dir / "panel_hotspots.png";
  panel::run_render(render, out);
  // The built-in sortie: stills, the animation and the log.
  scenario::PlayCommandOptions play;
  play.modules_dir = modules_dir;
  play.out_dir = out_dir;
  return scenario::run_play(play, out, progress);
}

}  // namespace panelhost
