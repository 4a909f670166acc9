#include "variable_catalogue.h"

#include <algorithm>

namespace panelhost::sim {
namespace {

// id    name                               integer-coded
constexpr VariableInfo kCatalogue[] = {
    {3,   "clock hours",                     false},
    {4,   "clock minutes",                   false},
    {61,  "airspeed",                        false},
    {65,  "vertical speed",                  false},
    {69,  "turn ball",                       false},
    {70,  "turn rate",                       false},
    {73,  "altitude",                        false},
    {78,  "pitch",                           false},
    {80,  "bank",                            false},
    {83,  "magnetic compass heading",        false},
    {84,  "radio compass bearing",           false},
    {103, "autopilot, upper right switch",   false},
    {104, "autopilot, upper left switch",    false},
    {106, "autopilot, lower left switch",    false},
    {108, "autopilot, lower right switch",   false},
    {128, "engine 0 lever, second pair",     false},
    {129, "engine 0 lever, first pair",      false},
    {130, "engine 0 lever, third pair",      false},
    {163, "engine 1 lever, second pair",     false},
    {164, "engine 1 lever, first pair",      false},
    {165, "engine 1 lever, third pair",      false},
    {303, "fuel right tank",                 false},
    {304, "fuel left tank",                  false},
    {307, "fuel tank selection",             true},
    {326, "bomb bay doors",                  false},
    {357, "ammunition, inner guns",          false},
    {358, "ammunition, outer guns",          false},
    {364, "master battery",                  false},
    {376, "fuel warning",                    false},
    {390, "engine 0 rpm",                    false},
    {391, "engine 0 manifold pressure",      false},
    {399, "engine 0 ignition, first switch", false},
    {400, "engine 0 ignition, second switch", false},
    {416, "engine 0 oil temperature",        false},
    {417, "engine 0 radiator temperature",   false},
    {418, "engine 0 oil pressure",           false},
    {425, "engine 0 fuel pressure",          false},
    {429, "engine 1 rpm",                    false},
    {430, "engine 1 manifold pressure",      false},
    {438, "engine 1 ignition, first switch", false},
    {439, "engine 1 ignition, second switch", false},
    {455, "engine 1 oil temperature",        false},
    {456, "engine 1 radiator temperature",   false},
    {457, "engine 1 oil pressure",           false},
    {464, "engine 1 fuel pressure",          false},
};

}  // namespace

std::span<const VariableInfo> variable_catalogue() { return kCatalogue; }

std::optional<VariableInfo> find_variable(std::uint32_t id) {
  const auto found = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                  [&](const VariableInfo& info) { return info.id == id; });
  if (found == std::end(kCatalogue)) return std::nullopt;
  return *found;
}

}  // namespace panelhost::sim
