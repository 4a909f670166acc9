// Playing a scenario: the panel it names, the simulator model, and the
// timeline applied update by update at the scenario's rate. Writes the
// chosen frames as PNG stills, the whole run as an animated GIF, and a log
// of every scenario action, key event (with the model's answer) and host
// variable change that followed from them:
//
//   OUT/NAME_NNNNN.png   the still of update NNNNN (frames the scenario asks for)
//   OUT/NAME.gif         the run, one picture every animation_every updates
//   OUT/NAME.log         the log
//
// Ramps and the model's own motion (the bomb bay doors) change variables
// every update; the log gives their start and end rather than every step.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "scenario.h"

namespace panelhost::scenario {

struct PlayOptions {
  std::filesystem::path modules_dir;
  std::filesystem::path out_dir = "out";
  std::ostream* progress = nullptr;  // progress lines on long runs, or none
  bool animation = true;
};

struct PlayReport {
  std::size_t updates = 0;
  std::size_t key_events = 0;
  std::size_t skipped_events = 0;  // events on gauges the panel lacks ("missing_gauges": "skip")
  std::vector<std::filesystem::path> written;
};

// Throws ScenarioError for events that do not fit the panel (unknown gauge,
// point off the gauge), LayoutError for a bad layout, RenderError for
// output that cannot be written.
PlayReport play(const Scenario& scenario, const PlayOptions& options);

// The built-in sortie, as JSON text and parsed.
std::string_view default_scenario_text();
Scenario default_scenario();

}  // namespace panelhost::scenario
