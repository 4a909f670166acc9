// `panelhost play`: fly a scenario (or the built-in sortie) and write its
// frames, animation and log.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace panelhost::scenario {

struct PlayCommandOptions {
  std::filesystem::path modules_dir;
  std::optional<std::string> scenario_file;  // default: the built-in sortie
  std::filesystem::path out_dir = "out";
  bool print_scenario = false;  // print the scenario's JSON instead of playing (built-in only)
  bool animation = true;
};

int run_play(const PlayCommandOptions& options, std::ostream& out, std::ostream& progress);

}  // namespace panelhost::scenario
