// "Fuel Warning - Left" and "Fuel Warning - Right": one small panel lamp,
// unlit on the background and in picture 0, lit red in picture 1; the same
// lamp pictures as the autopilot's.
#include "families.h"
#include "parts.h"

namespace artgen {

void add_fuel_warnings(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                         w   h   bits painter
  out.bitmaps.push_back({vt, 0x6100, "fuel_warning_left_lamp",    32, 32, 8, lamp_unlit});
  out.bitmaps.push_back({vt, 0x6200, "fuel_warning_left_dark",    32, 32, 8, lamp_unlit});
  out.bitmaps.push_back({vt, 0x6201, "fuel_warning_left_lit",     32, 32, 8, lamp_lit_red});
  out.bitmaps.push_back({vt, 0x6300, "fuel_warning_right_lamp",   32, 32, 8, lamp_unlit});
  out.bitmaps.push_back({vt, 0x6400, "fuel_warning_right_dark",   32, 32, 8, lamp_unlit});
  out.bitmaps.push_back({vt, 0x6401, "fuel_warning_right_lit",    32, 32, 8, lamp_lit_red});
}

}  // namespace artgen
