// The built-in default run: both modules loaded from one folder, each of
// their gauges installed and driven through a few steps, the results printed.
#pragma once

#include <filesystem>
#include <ostream>

namespace panelhost {

int run_demo(const std::filesystem::path& modules_dir, std::ostream& out);

}  // namespace panelhost
