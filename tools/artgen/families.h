// One adder per gauge family; each appends that family's bitmaps.
#pragma once

#include <array>
#include <vector>

#include "catalogue.h"

namespace artgen {

using FamilyAdder = void (*)(Catalogue&);

void add_placeholders(Catalogue& out);
void add_fuel_quantity(Catalogue& out);
void add_fuel_selector(Catalogue& out);
void add_quadrant(Catalogue& out);

inline constexpr std::array<FamilyAdder, 4> kFamilies{
    add_fuel_quantity,
    add_fuel_selector,
    add_quadrant,
    add_placeholders,
};

}  // namespace artgen
