// The built-in default run: both modules loaded from one folder, each of
// their gauges installed and driven through a few steps, the results printed.
#pragma once

#include <filesystem>
#include <ostream>

namespace panelhost {

int run_demo(const std::filesystem::path& modules_dir, std::ostream& out);

// The pictures of the default run: the built-in panel (out_dir/panel.png and
// panel_hotspots.png) and the built-in sortie flown into out_dir.
int run_demo_pictures(const std::filesystem::path& modules_dir, const std::filesystem::path& out_dir,
                      std::ostream& out, std::ostream& progress);

}  // namespace panelhost
