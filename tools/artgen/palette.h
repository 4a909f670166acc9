// The 256-colour palette of an 8-bit picture, chosen for that picture alone.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image.h"

namespace artgen {

struct Indexed {
  std::array<Rgb, 256> palette{};     // entry 0 is always pure black
  std::vector<std::uint8_t> indices;  // one per pixel, top row first
};

// Quantises `image` to at most 256 colours. Pure black pixels, and only they,
// take entry 0; no other entry is pure black, so nothing visible can turn
// transparent. A picture of 255 or fewer other colours keeps them exactly;
// a richer one is reduced by median cut and refined by a few rounds of
// nearest-colour averaging. Deterministic.
Indexed quantise(const Image& image);

}  // namespace artgen
