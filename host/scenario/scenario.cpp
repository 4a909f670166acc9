#include "scenario.h"

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "number_text.h"
#include "variable_catalogue.h"

namespace panelhost::scenario {
namespace {

using nlohmann::json;

class Reader {
 public:
  explicit Reader(std::string source) : source_(std::move(source)) {}

  [[noreturn]] void fail(const std::string& path, const std::string& problem) const {
    throw ScenarioError(fmt::format("{}: {}: {}", source_, path, problem));
  }

  const json& member(const json& object, const std::string& path, const char* key) const {
    if (!object.contains(key)) fail(path, fmt::format("\"{}\" is missing", key));
    return object.at(key);
  }

  double number(const json& value, const std::string& path) const {
    if (value.is_number()) return value.get<double>();
    if (value.is_string()) {
      const std::string text = value.get<std::string>();
      if (text == "nan" || text == "inf" || text == "-inf" || text == "infinity" || text == "-infinity")
        return *parse_double(text == "infinity" ? "inf" : text == "-infinity" ? "-inf" : text);
    }
    fail(path, fmt::format("expected a number (or \"nan\", \"inf\", \"-inf\"), found {}", value.dump()));
  }

  double finite(const json& value, const std::string& path) const {
    const double result = number(value, path);
    if (!std::isfinite(result)) fail(path, "must be a finite number");
    return result;
  }

  double time(const json& value, const std::string& path) const {
    const double result = finite(value, path);
    if (result < 0.0) fail(path, fmt::format("a time of {} s is before the start", double_text(result)));
    return result;
  }

  std::uint32_t unsigned32(const json& value, const std::string& path) const {
    if (value.is_number_unsigned() || (value.is_number_integer() && value.get<std::int64_t>() >= 0)) {
      const auto result = value.get<std::uint64_t>();
      if (result <= UINT32_MAX) return static_cast<std::uint32_t>(result);
    } else if (value.is_string() && !value.get<std::string>().starts_with('-')) {
      if (const auto parsed = parse_u32(value.get<std::string>())) return *parsed;
    }
    fail(path, fmt::format("expected a whole number from 0 to 4294967295, found {}", value.dump()));
  }

  std::int32_t signed32(const json& value, const std::string& path) const {
    if (value.is_number_integer()) {
      const auto result = value.get<std::int64_t>();
      if (result >= INT32_MIN && result <= INT32_MAX) return static_cast<std::int32_t>(result);
    }
    fail(path, fmt::format("expected a whole number of pixels, found {}", value.dump()));
  }

  PIXPOINT point(const json& value, const std::string& path) const {
    if (!value.is_array() || value.size() != 2) fail(path, "expected a point [x, y]");
    return {signed32(value[0], path + "[0]"), signed32(value[1], path + "[1]")};
  }

  std::uint32_t variable(const json& value, const std::string& path) const {
    const std::uint32_t id = unsigned32(value, path);
    if (!sim::find_variable(id)) fail(path, fmt::format("unknown host variable {} ({:#x})", id, id));
    return id;
  }

  std::string gauge(const json& value, const std::string& path) const {
    if (!value.is_string()) fail(path, "expected \"MODULE!GAUGE NAME\"");
    const std::string reference = value.get<std::string>();
    const std::size_t bang = reference.find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == reference.size())
      fail(path, fmt::format("expected \"MODULE!GAUGE NAME\", found \"{}\"", reference));
    return reference;
  }

  FLAGS32 flags(const json& value, const std::string& path) const {
    if (value.is_number()) return unsigned32(value, path);
    std::vector<json> names;
    if (value.is_string()) {
      names.push_back(value);
    } else if (value.is_array()) {
      names.assign(value.begin(), value.end());
    } else {
      fail(path, "expected a number or names of mouse events (\"left\", \"right\", \"drag\")");
    }
    FLAGS32 result = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
      const std::string at = value.is_array() ? fmt::format("{}[{}]", path, i) : path;
      const std::string name = names[i].is_string() ? names[i].get<std::string>() : "";
      if (name == "left") {
        result |= MOUSE_LEFTSINGLE;
      } else if (name == "right") {
        result |= MOUSE_RIGHTSINGLE;
      } else if (name == "drag") {
        result |= MOUSE_LEFTDRAG;
      } else {
        fail(at, fmt::format("unknown mouse event {} (expected \"left\", \"right\" or \"drag\")", names[i].dump()));
      }
    }
    return result;
  }

  void only(const json& object, const std::string& path, std::initializer_list<const char*> keys) const {
    const std::set<std::string> known(keys.begin(), keys.end());
    for (const auto& [key, unused] : object.items()) {
      if (known.contains(key)) continue;
      std::string list;
      for (const char* k : keys) list += (list.empty() ? "" : ", ") + std::string(k);
      fail(path + "." + key, fmt::format("unknown key (expected {})", list));
    }
  }

  Event event(const json& object, const std::string& path) const {
    if (!object.is_object()) fail(path, "an event must be an object");
    Event event;
    event.path = path;
    const auto sub = [&](const char* key) { return path + "." + key; };
    if (object.contains("set")) {
      only(object, path, {"at", "set", "value", "int"});
      event.at = time(member(object, path, "at"), sub("at"));
      const std::uint32_t id = variable(object["set"], sub("set"));
      const bool integer = object.contains("int");
      if (integer == object.contains("value")) fail(path, "give the new value as \"value\" or as \"int\", one of them");
      if (integer) {
        event.action = SetAction{id, {true, 0.0, unsigned32(object["int"], sub("int"))}};
      } else if (sim::find_variable(id)->integer_coded) {
        // The simulator codes this one as an integer, so the value must be one.
        const json& value = object["value"];
        if (!value.is_number_integer() && !(value.is_number_float() && std::trunc(value.get<double>()) == value.get<double>()))
          fail(sub("value"), fmt::format("host variable {} is integer-coded: expected a whole number, found {}", id,
                                         value.dump()));
        const double whole = value.get<double>();
        if (whole < 0.0 || whole > 4294967295.0)
          fail(sub("value"), fmt::format("host variable {} is integer-coded: {} is outside 0 to 4294967295", id,
                                         value.dump()));
        event.action = SetAction{id, {true, 0.0, static_cast<std::uint32_t>(whole)}};
      } else {
        event.action = SetAction{id, {false, number(object["value"], sub("value")), 0}};
      }
    } else if (object.contains("ramp")) {
      only(object, path, {"from", "to", "ramp", "start", "end"});
      event.at = time(member(object, path, "from"), sub("from"));
      const double until = time(member(object, path, "to"), sub("to"));
      if (until < event.at) fail(sub("to"), "a ramp must end at or after its start");
      const std::uint32_t id = variable(object["ramp"], sub("ramp"));
      if (sim::find_variable(id)->integer_coded)
        fail(sub("ramp"), fmt::format("host variable {} is integer-coded and cannot be ramped", id));
      event.action = RampAction{id, finite(member(object, path, "start"), sub("start")),
                                finite(member(object, path, "end"), sub("end")), until};
    } else if (object.contains("click")) {
      only(object, path, {"at", "click", "x", "y", "flags"});
      event.at = time(member(object, path, "at"), sub("at"));
      event.action = ClickAction{gauge(object["click"], sub("click")),
                                 {signed32(member(object, path, "x"), sub("x")),
                                  signed32(member(object, path, "y"), sub("y"))},
                                 object.contains("flags") ? flags(object["flags"], sub("flags")) : MOUSE_LEFTSINGLE};
    } else if (object.contains("drag")) {
      only(object, path, {"at", "drag", "from", "to", "seconds"});
      event.at = time(member(object, path, "at"), sub("at"));
      const double seconds = object.contains("seconds") ? finite(object["seconds"], sub("seconds")) : 1.0;
      if (seconds < 0.0) fail(sub("seconds"), "a drag cannot take negative time");
      event.action = DragAction{gauge(object["drag"], sub("drag")), point(member(object, path, "from"), sub("from")),
                                point(member(object, path, "to"), sub("to")), seconds};
    } else if (object.contains("toggle_window")) {
      only(object, path, {"at", "toggle_window"});
      event.at = time(member(object, path, "at"), sub("at"));
      event.action = WindowAction{unsigned32(object["toggle_window"], sub("toggle_window"))};
    } else if (object.contains("key")) {
      only(object, path, {"at", "key", "value"});
      event.at = time(member(object, path, "at"), sub("at"));
      event.action = KeyAction{unsigned32(object["key"], sub("key")),
                               object.contains("value") ? unsigned32(object["value"], sub("value")) : 0};
    } else {
      fail(path, "unknown event: expected one of \"set\", \"ramp\", \"click\", \"drag\", \"toggle_window\", \"key\"");
    }
    return event;
  }

  Scenario run(const json& document) const {
    if (!document.is_object()) fail("$", "a scenario is a JSON object");
    only(document, "$", {"name", "rate", "duration", "layout", "frames", "animation_every", "missing_gauges", "events"});
    Scenario scenario;
    scenario.source = source_;
    if (document.contains("name")) {
      if (!document["name"].is_string()) fail("$.name", "expected a string");
      scenario.name = document["name"].get<std::string>();
      if (scenario.name.empty() || scenario.name.find_first_of("/\\") != std::string::npos || scenario.name[0] == '.')
        fail("$.name", "must be a plain file name");
    }
    if (document.contains("rate")) {
      scenario.rate = finite(document["rate"], "$.rate");
      if (scenario.rate <= 0.0 || scenario.rate > 1000.0) fail("$.rate", "updates per second must lie in (0, 1000]");
    }
    if (document.contains("layout")) {
      if (!document["layout"].is_string()) fail("$.layout", "expected a file name");
      scenario.layout = document["layout"].get<std::string>();
    }
    if (document.contains("animation_every")) {
      scenario.animation_every = unsigned32(document["animation_every"], "$.animation_every");
      if (scenario.animation_every == 0) fail("$.animation_every", "must be at least 1");
    }
    if (document.contains("missing_gauges")) {
      const json& mode = document["missing_gauges"];
      if (mode != "error" && mode != "skip") fail("$.missing_gauges", "expected \"error\" or \"skip\"");
      scenario.skip_missing_gauges = mode == "skip";
    }
    const json& events = member(document, "$", "events");
    if (!events.is_array()) fail("$.events", "expected a list of events");
    double last_end = 0.0;
    for (std::size_t i = 0; i < events.size(); ++i) {
      Event event = this->event(events[i], fmt::format("$.events[{}]", i));
      if (!scenario.events.empty() && event.at < scenario.events.back().at)
        fail(event.path, fmt::format("starts at {} s, before the event before it ({} s): events must be in time order",
                                     double_text(event.at), double_text(scenario.events.back().at)));
      double end = event.at;
      if (const auto* ramp = std::get_if<RampAction>(&event.action)) end = ramp->until;
      if (const auto* drag = std::get_if<DragAction>(&event.action)) end = event.at + drag->seconds;
      last_end = std::max(last_end, end);
      scenario.events.push_back(std::move(event));
    }
    scenario.duration = last_end + 1.0;
    if (document.contains("duration")) {
      scenario.duration = time(document["duration"], "$.duration");
      if (scenario.duration < last_end)
        fail("$.duration", fmt::format("{} s ends before the last event ({} s)", double_text(scenario.duration),
                                       double_text(last_end)));
      if (scenario.duration * scenario.rate > 1.0e6) fail("$.duration", "more than a million updates");
    }
    if (document.contains("frames")) {
      const json& frames = document["frames"];
      if (!frames.is_array()) fail("$.frames", "expected a list of times");
      for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string path = fmt::format("$.frames[{}]", i);
        const double at = time(frames[i], path);
        if (at > scenario.duration)
          fail(path, fmt::format("{} s is after the end ({} s)", double_text(at), double_text(scenario.duration)));
        scenario.frames.push_back(at);
      }
    }
    return scenario;
  }

 private:
  std::string source_;
};

}  // namespace

std::size_t Scenario::updates() const { return static_cast<std::size_t>(std::floor(duration * rate + 1e-9)) + 1; }

Scenario parse_scenario(std::string_view json_text, const std::string& source) {
  json document;
  try {
    document = json::parse(json_text);
  } catch (const json::parse_error& error) {
    // nlohmann's message carries the line and column.
    std::string message = error.what();
    if (const std::size_t at = message.find("parse error"); at != std::string::npos) message = message.substr(at);
    throw ScenarioError(fmt::format("{}: not valid JSON: {}", source, message));
  }
  return Reader(source).run(document);
}

Scenario read_scenario(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScenarioError(fmt::format("{}: cannot read the scenario file", path.string()));
  std::ostringstream text;
  text << in.rdbuf();
  Scenario scenario = parse_scenario(text.str(), path.string());
  scenario.folder = path.parent_path();
  return scenario;
}

const std::string* event_gauge(const Event& event) {
  if (const auto* click = std::get_if<ClickAction>(&event.action)) return &click->gauge;
  if (const auto* drag = std::get_if<DragAction>(&event.action)) return &drag->gauge;
  return nullptr;
}

}  // namespace panelhost::scenario
