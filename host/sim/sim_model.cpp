#include "sim_model.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "number_text.h"

namespace panelhost::sim {
namespace {

struct Lever {
  std::uint32_t event;
  std::uint32_t variable;
};
constexpr Lever kLevers[] = {
    {0x10183, 129}, {0x10184, 164}, {0x1011C, 128}, {0x1011D, 163}, {0x1017F, 130}, {0x10180, 165},
};

struct TankSelection {
  std::uint32_t event;
  std::uint32_t selection;
  const char* name;
};
constexpr TankSelection kTanks[] = {
    {0x101A3, 0, "off"}, {0x101A4, 1, "both tanks"}, {0x101A5, 2, "left tank"}, {0x101A6, 3, "right tank"},
};

struct AutopilotSwitch {
  std::uint32_t event;
  std::uint32_t variable;
};
constexpr AutopilotSwitch kAutopilot[] = {{0x1002C, 103}, {0x100BF, 104}, {0x100BD, 106}, {0x100BE, 108}};

// One engine's ignition events and variables.
struct Ignition {
  int engine;
  std::uint32_t all_off, all_on, flip_first, flip_second, starter;
  std::uint32_t first, second, rpm;
};
constexpr Ignition kIgnitions[] = {
    {0, 0x10187, 0x1018A, 0x10189, 0x10188, 0x1018B, 399, 400, 390},
    {1, 0x1018D, 0x10190, 0x1018F, 0x1018E, 0x10191, 438, 439, 429},
};

constexpr std::uint32_t kBatteryToggle = 0x102C1;
constexpr std::uint32_t kBombBayToggle = 0x10035;
constexpr std::uint32_t kBombRelease = 0x1026F;
constexpr std::uint32_t kEject = 0x1029B;
constexpr std::uint32_t kBattery = 364;
constexpr std::uint32_t kBombBay = 326;

// A switch variable is on at exactly 1.0, as the gauges compare it.
bool switch_on(const HostVariables& variables, std::uint32_t id) {
  const HostValue value = variables.get(id);
  return !value.integer_coded && value.f64 == 1.0;
}

std::string on_off(bool on) { return on ? "on" : "off"; }

}  // namespace

SimModel::SimModel(PanelHost& host) : state_(std::make_shared<State>()) {
  state_->variables = &host.variables();
  std::weak_ptr<State> state = state_;
  host.on_key_event([state](const KeyEvent& event) {
    if (const auto alive = state.lock()) alive->answer(event);
  });
  state_->bay_target = host.variables().get(kBombBay).number();
}

void SimModel::State::answer(const KeyEvent& event) {
  HostVariables& vars = *variables;
  const auto note = [&](std::string text) { notes.push_back({event, std::move(text)}); };
  if (ejected) return note("ignored: the pilot has ejected");

  for (const TankSelection& tank : kTanks) {
    if (event.id != tank.event) continue;
    vars.set_u32(307, tank.selection);
    return note(fmt::format("fuel tank selection: {} (307 = {})", tank.name, tank.selection));
  }
  for (const Lever& lever : kLevers) {
    if (event.id != lever.event) continue;
    vars.set_f64(lever.variable, static_cast<double>(event.value));
    return note(fmt::format("engine lever: {} = {}", lever.variable, event.value));
  }
  for (const AutopilotSwitch& toggle : kAutopilot) {
    if (event.id != toggle.event) continue;
    const double was = vars.get(toggle.variable).number();
    const bool on = !std::isnan(was) && std::trunc(was) != 0.0;
    vars.set_f64(toggle.variable, on ? 0.0 : 1.0);
    return note(fmt::format("autopilot switch {}: {}", toggle.variable, on_off(!on)));
  }
  for (const Ignition& ignition : kIgnitions) {
    bool first = switch_on(vars, ignition.first);
    bool second = switch_on(vars, ignition.second);
    if (event.id == ignition.all_off) {
      first = second = false;
    } else if (event.id == ignition.all_on) {
      first = second = true;
    } else if (event.id == ignition.flip_first) {
      first = !first;
    } else if (event.id == ignition.flip_second) {
      second = !second;
    } else if (event.id == ignition.starter) {
      const double rpm = vars.get(ignition.rpm).number();
      if ((first || second) && !(rpm >= kIdleRpm)) {
        vars.set_f64(ignition.rpm, kIdleRpm);
        return note(fmt::format("engine {} starter: the engine catches ({} = {})", ignition.engine, ignition.rpm,
                                double_text(kIdleRpm)));
      }
      return note(fmt::format("engine {} starter: {}", ignition.engine,
                              first || second ? "the engine is already running" : "cranking without ignition"));
    } else {
      continue;
    }
    vars.set_f64(ignition.first, first ? 1.0 : 0.0);
    vars.set_f64(ignition.second, second ? 1.0 : 0.0);
    return note(fmt::format("engine {} ignition: first switch {}, second switch {}", ignition.engine, on_off(first),
                            on_off(second)));
  }
  switch (event.id) {
    case kBatteryToggle: {
      const HostValue was = vars.get(kBattery);
      // The switch reads a NaN as on, so the model does too.
      const bool on = !was.integer_coded && (was.f64 == 1.0 || std::isnan(was.f64));
      vars.set_f64(kBattery, on ? 0.0 : 1.0);
      return note(fmt::format("master battery: {}", on_off(!on)));
    }
    case kBombBayToggle: {
      const double position = vars.get(kBombBay).number();
      const bool opening = bay_moving ? bay_target != kBombBayOpen : !(position > 0.0);
      bay_target = opening ? kBombBayOpen : 0.0;
      bay_moving = true;
      return note(fmt::format("bomb bay doors {}", opening ? "opening" : "closing"));
    }
    case kBombRelease:
      if (bombs == 0) return note("bomb release: no bombs left");
      --bombs;
      return note(fmt::format("bomb released, {} left", bombs));
    case kEject:
      ejected = true;
      vars.set_f64(kBattery, 0.0);
      for (const Ignition& ignition : kIgnitions) {
        vars.set_f64(ignition.first, 0.0);
        vars.set_f64(ignition.second, 0.0);
      }
      return note("ejection: the seat fires; battery and ignition off");
    default: return note("not answered by the model");
  }
}

void SimModel::advance(double seconds) {
  State& state = *state_;
  if (!state.bay_moving || !(seconds > 0.0)) return;
  const double position = state.variables->get(kBombBay).number();
  const double step = kBombBayOpen / kBombBaySeconds * seconds;
  double next = state.bay_target;
  if (std::isfinite(position) && std::abs(state.bay_target - position) > step)
    next = position + std::copysign(step, state.bay_target - position);
  state.variables->set_f64(kBombBay, next);
  if (next == state.bay_target) state.bay_moving = false;
}

}  // namespace panelhost::sim
