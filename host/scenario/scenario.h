// Scenarios: a timeline of what happens in the cockpit, as a JSON file.
//
//   {
//     "name": "sortie",              // names the output files (default "scenario")
//     "rate": 18,                    // updates per second (default 18)
//     "duration": 30,                // seconds (default: one second after the last event)
//     "layout": "my_panel.cfg",      // relative to this file (default: the built-in panel)
//     "frames": [0, 2.5, 29.9],      // times to write as PNG stills
//     "animation_every": 3,          // the animation takes every 3rd update (default 3)
//     "missing_gauges": "error",     // or "skip": events on gauges the panel lacks are skipped
//     "events": [
//       {"at": 0, "set": 304, "value": 250},                   // a float variable
//       {"at": 0, "set": 307, "value": 2},                     // integer-coded by the simulator
//       {"at": 0, "set": 304, "int": 1},                       // forced integer coding
//       {"at": 0, "set": 61, "value": "nan"},                  // also "inf", "-inf"
//       {"from": 1, "to": 9, "ramp": 61, "start": 0, "end": 486},
//       {"at": 2, "click": "Velmar_Tavrin!Fuel Tank Switch", "x": 20, "y": 60},
//       {"at": 2, "click": "...", "x": 1, "y": 2, "flags": ["left", "drag"]},  // or a number
//       {"at": 3, "drag": "quadrant!Engine Controls", "from": [10, 200], "to": [10, 5], "seconds": 1},
//       {"at": 4, "toggle_window": 50},
//       {"at": 5, "key": "0x101A5", "value": 0}
//     ]
//   }
//
// Events are listed in time order (by "at", or "from" for a ramp). A ramp
// sets its variable on every update from "from" to "to", linearly by time,
// ending exactly on "end". A drag presses at its first point with a left
// click, then moves in a straight line to its last point, one left-drag
// event per update, arriving after "seconds". Points are in the gauge's own
// pixels and must lie on the gauge. Variables must be ones the simulator
// knows (sim/variable_catalogue.h). A "value" is coded as the simulator codes
// that variable: a float, or for an integer-coded one a whole number; "int"
// codes any variable as an integer, as a test of a gauge's reading may want.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "gauge_records.h"
#include "host_variables.h"

namespace panelhost::scenario {

// "FILE: JSON.PATH: problem".
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SetAction {
  std::uint32_t variable;
  HostValue value;
};
struct RampAction {
  std::uint32_t variable;
  double start;
  double end;
  double until;  // seconds
};
struct ClickAction {
  std::string gauge;  // MODULE!GAUGE NAME
  PIXPOINT point;
  FLAGS32 flags;
};
struct DragAction {
  std::string gauge;
  PIXPOINT from;
  PIXPOINT to;
  double seconds;
};
struct WindowAction {
  std::uint32_t window;
};
struct KeyAction {
  std::uint32_t event;
  std::uint32_t value;
};
using Action = std::variant<SetAction, RampAction, ClickAction, DragAction, WindowAction, KeyAction>;

struct Event {
  double at = 0.0;  // seconds; a ramp's "from"
  std::string path;  // "events[3]", for messages
  Action action;
};

struct Scenario {
  std::string source;  // file name, or "default scenario"
  std::filesystem::path folder;  // where relative paths in it start
  std::string name = "scenario";
  double rate = 18.0;
  double duration = 0.0;
  std::optional<std::filesystem::path> layout;
  std::vector<double> frames;
  std::uint32_t animation_every = 3;
  bool skip_missing_gauges = false;
  std::vector<Event> events;

  // How many updates the run makes: one at time 0 and one per tick up to
  // the duration.
  std::size_t updates() const;
};

Scenario parse_scenario(std::string_view json_text, const std::string& source);
Scenario read_scenario(const std::filesystem::path& path);

// The gauge an event acts on, if any.
const std::string* event_gauge(const Event& event);

}  // namespace panelhost::scenario
