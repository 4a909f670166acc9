// One adder per gauge family; each appends that family's bitmaps and scales.
#pragma once

#include <array>

#include "catalogue.h"

namespace artgen {

using FamilyAdder = void (*)(Catalogue&);

void add_fuel_quantity(Catalogue& out);
void add_fuel_selector(Catalogue& out);
void add_airspeed(Catalogue& out);
void add_quadrant(Catalogue& out);
void add_vertical_speed(Catalogue& out);
void add_horizon(Catalogue& out);
void add_turn_coordinator(Catalogue& out);
void add_altimeters(Catalogue& out);
void add_compasses(Catalogue& out);
void add_clock(Catalogue& out);
void add_tachometers(Catalogue& out);
void add_manifold_pressure(Catalogue& out);
void add_temperatures(Catalogue& out);
void add_pressures(Catalogue& out);
void add_ammo_counter(Catalogue& out);
void add_battery_switch(Catalogue& out);
void add_ignition(Catalogue& out);
void add_autopilot(Catalogue& out);
void add_console_icons(Catalogue& out);
void add_fuel_warnings(Catalogue& out);
void add_bombing(Catalogue& out);
void add_ejection_handle(Catalogue& out);
void add_placeholders(Catalogue& out);

inline constexpr std::array<FamilyAdder, 23> kFamilies{
    add_fuel_quantity,
    add_fuel_selector,
    add_airspeed,
    add_quadrant,
    add_vertical_speed,
    add_horizon,
    add_turn_coordinator,
    add_altimeters,
    add_compasses,
    add_clock,
    add_tachometers,
    add_manifold_pressure,
    add_temperatures,
    add_pressures,
    add_ammo_counter,
    add_battery_switch,
    add_ignition,
    add_autopilot,
    add_console_icons,
    add_fuel_warnings,
    add_bombing,
    add_ejection_handle,
    add_placeholders,
};

}  // namespace artgen
