// One PNG that shows every bitmap at once, for a person to look over.
#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "image.h"

namespace artgen {

struct Drawn {
  const Bitmap* bitmap;
  const Image* image;
};

// Lays the pictures out left to right on a mid-grey ground, each at `scale`
// times its size with its resource id below it; transparent pixels show the
// ground. Writes a PNG to `path`.
void write_contact_sheet(const std::vector<Drawn>& pictures, const std::string& path, int scale);

}  // namespace artgen
