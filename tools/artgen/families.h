// One adder per gauge family; each appends that family's bitmaps.
#pragma once

#include <array>
#include <vector>

#include "catalogue.h"

namespace artgen {

using FamilyAdder = void (*)(std::vector<Bitmap>&);

void add_placeholders(std::vector<Bitmap>& out);

inline constexpr std::array<FamilyAdder, 1> kFamilies{
    add_placeholders,
};

}  // namespace artgen
