// Every bitmap of both modules: its resource id, file, size, depth and the
// painter that draws it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "calibration.h"
#include "image.h"

namespace artgen {

enum class Module { velmar_tavrin, quadrant };

// Draws one picture of the given size. Bitmaps that the modules call the same
// picture name the same painter, which is run once for them all.
using Painter = Image (*)(int width, int height);

struct Bitmap {
  Module module;
  int id;            // resource id
  const char* role;  // short name in the file name
  int width;
  int height;
  int bits;          // 8 (own palette) or 24
  Painter paint;
};

// A printed scale that a needle reads: the marks drawn on `bitmap_id` at the
// angles the needle's calibration rows give for their values. The checks
// look for each mark between radii r_in and r_out from the pivot.
struct Scale {
  int bitmap_id;
  Pivot pivot;
  std::span<const CalRow> rows;
  std::vector<double> marks;  // values, in the rows' units
  double r_in;
  double r_out;
};

struct Catalogue {
  std::vector<Bitmap> bitmaps;  // sorted by module, then id
  std::vector<Scale> scales;
};

const char* module_name(Module module);

// The resource id as the file names write it: "0x1000" in Velmar_Tavrin,
// "1000" in quadrant.
std::string id_text(const Bitmap& bitmap);

// "Velmar_Tavrin/0x1000_fuel_dial.bmp", "quadrant/1000_background.bmp".
std::string file_name(const Bitmap& bitmap);

// Every bitmap of both modules and every printed scale.
Catalogue catalogue();

}  // namespace artgen
