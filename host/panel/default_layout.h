// The built-in cockpit: every gauge of Velmar_Tavrin and quadrant that the
// modules in a folder hold, in a tidy arrangement.
//
// Three blocks, each filled row by row in a fixed order with the gauges that
// exist, at their own size:
//
//  - flight instruments, top left, three to a row: airspeed, horizon,
//    altimeters, then vertical speed, turn coordinator, compasses, clock;
//  - engine instruments, top right: the engine pairs side by side (engine 0
//    left, engine 1 right), three pairs to a row, then fuel, ammunition and
//    the warning lamps;
//  - controls, across the bottom: battery, fuel tank selector, ignition,
//    autopilot, bombing, the engine-controls quadrant, the console buttons
//    and the ejection handle.
//
// A block with no gauge takes no room, so the panel stays compact while the
// modules grow. The result is an ordinary layout: `layout_text` prints it
// as a file to start a panel of one's own from.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "layout.h"
#include "panel_host.h"

namespace panelhost::panel {

// Loads the modules found in `modules_dir` into `host` to read their gauge
// names and background sizes. Throws LayoutError if neither module is there.
Layout default_layout(PanelHost& host, const std::filesystem::path& modules_dir);

// Background sizes of every gauge of those modules, by "MODULE!GAUGE NAME".
std::map<std::string, PIXSIZE> gauge_sizes(PanelHost& host, const std::filesystem::path& modules_dir);

// The arrangement itself, for gauges of these sizes ("MODULE!GAUGE NAME").
Layout arrange_default_layout(const std::map<std::string, PIXSIZE>& sizes);

}  // namespace panelhost::panel
