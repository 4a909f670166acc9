// Shared by the art checks: the committed manifest and bitmaps, read once.
#pragma once

#include <string>
#include <vector>

#include "bmp_reader.h"

namespace art_checks {

struct ManifestRow {
  std::string module;
  int id = 0;
  std::string file;
  int width = 0;
  int height = 0;
  int bits = 0;
};

std::string resources_dir();
std::vector<ManifestRow> read_manifest(const std::string& path);

// The committed bitmap of module Velmar_Tavrin (or quadrant) with this id.
const BmpFile& vt(int id);
const BmpFile& quadrant(int id);

// Brightness (0..255) and simple colour tests used across the checks.
int luma(artgen::Rgb c);
bool is_black(artgen::Rgb c);

// Direction (degrees clockwise from +x) of the picture's pixels at least
// `min_luma` bright, seen from (cx, cy), and how far off centre they lie.
struct Lean {
  double degrees;
  double distance;
};

Lean lean(const artgen::Image& image, double cx, double cy, int min_luma);

}  // namespace art_checks
