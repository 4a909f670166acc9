#include "play_command.h"

#include <fmt/format.h>

#include "player.h"

namespace panelhost::scenario {

int run_play(const PlayCommandOptions& options, std::ostream& out, std::ostream& progress) {
  if (options.print_scenario) {
    if (options.scenario_file) {
      out << "(--print-default prints the built-in sortie; a scenario file is its own text)\n";
      return 2;
    }
    out << default_scenario_text().substr(1);
    return 0;
  }
  const Scenario scenario = options.scenario_file ? read_scenario(*options.scenario_file) : default_scenario();
  PlayOptions play_options;
  play_options.modules_dir = options.modules_dir;
  play_options.out_dir = options.out_dir;
  play_options.progress = &progress;
  play_options.animation = options.animation;
  const PlayReport report = play(scenario, play_options);
  out << fmt::format("{}: {} updates at {} per second, {} key events", scenario.source, report.updates, scenario.rate,
                     report.key_events);
  if (report.skipped_events) out << fmt::format(", {} events skipped (gauges not on the panel)", report.skipped_events);
  out << "\n";
  for (const auto& path : report.written) out << "  " << path.string() << "\n";
  return 0;
}

}  // namespace panelhost::scenario
