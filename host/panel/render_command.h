// `panelhost render`: one picture of a panel or of one gauge at the values
// given on the command line, as PNG.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace panelhost::panel {

struct RenderOptions {
  std::filesystem::path modules_dir;
  std::optional<std::string> layout_file;  // default: the built-in layout
  std::optional<std::string> gauge;        // MODULE!GAUGE NAME: that gauge alone
  std::vector<std::string> sets;           // ID=VALUE, coded as the simulator codes the variable
  std::vector<std::string> set_ints;       // ID=VALUE, integer-coded
  std::size_t updates = 1;
  std::int32_t zoom = 1;  // for a single gauge
  bool hotspots = false;
  bool print_layout = false;  // print the layout instead of drawing
  std::filesystem::path out;  // default: out/panel.png, or out/GAUGE NAME.png
};

// Throws on bad input (with the file and line, or the option, named).
int run_render(const RenderOptions& options, std::ostream& out);

}  // namespace panelhost::panel
