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
void add_placeholders(Catalogue& out);

inline constexpr std::array<FamilyAdder, 11> kFamilies{
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
    add_placeholders,
};

}  // namespace artgen
