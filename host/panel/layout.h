// Panel layout files: where each gauge sits on the panel, in the form panel
// designers write their panel configuration.
//
//   // comments start with //, ; or #
//   [Window Titles]
//   Window00=Main Panel
//   Window01=Engine Console
//
//   [Window00]
//   size_mm=700,420                  // the window's size in pixels
//   background_color=40,44,48        // optional, R,G,B
//   gauge00=Velmar_Tavrin!Fuel, 10, 10
//   gauge01=Velmar_Tavrin!Fuel Tank Switch, 150, 10, 96, 96
//
//   [Window01]
//   ident=50                          // the panel window id a gauge toggles
//   visible=0
//   window_pos=400,200                // where it opens over the main window
//   size_mm=170,220
//   gauge00=quadrant!Engine Controls, 6, 5
//
// A gauge line names the module (its file name without ".gau"), "!", the
// gauge's name literal, then x, y and optionally the width, or the width and
// the height, in the window's pixels. A width alone scales the height in
// proportion; no size draws the gauge at its background's own size.
//
// The first window is the main panel and sets the picture's size; the others
// open over it at their window_pos. A window with an ident is shown when its
// visible flag (1 if not given) and the host's open/closed record for that id
// disagree, so the first toggle closes a window that starts open and opens
// one that starts closed.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "gauge_records.h"

namespace panelhost::panel {

// "FILE:LINE: problem", or "FILE: problem" for the file as a whole.
class LayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct GaugePlacement {
  std::string key;  // "gauge00"
  std::string module;
  std::string gauge;
  PIXPOINT at{};
  std::optional<std::int32_t> width;
  std::optional<std::int32_t> height;
  std::size_t line = 0;
  std::string reference() const { return module + "!" + gauge; }
};

struct PanelWindow {
  std::string section;  // "Window00"
  std::string title;
  std::optional<std::uint32_t> ident;
  PIXSIZE size{};
  std::uint32_t background_rgb = 0x2B2F33;
  bool visible = true;
  PIXPOINT position{};  // over the main window; the main window's is (0, 0)
  std::vector<GaugePlacement> gauges;
  std::size_t line = 0;
};

struct Layout {
  std::string source;  // the file name, or "default layout"
  std::vector<PanelWindow> windows;
};

// Parses a layout; `source` names it in errors. Checks the form only: which
// modules and gauges exist is the panel's to check when it installs them.
Layout parse_layout(std::string_view text, const std::string& source);
Layout read_layout(const std::string& path);

// The layout in the same form, so that it reads back to an equal layout.
std::string layout_text(const Layout& layout);

}  // namespace panelhost::panel
