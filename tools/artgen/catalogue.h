// Every bitmap of both modules: its resource id, file, size, depth and the
// painter that draws it.
#pragma once

#include <string>
#include <vector>

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

const char* module_name(Module module);

// "Velmar_Tavrin/0x1000_fuel_dial.bmp", "quadrant/1000_background.bmp".
std::string file_name(const Bitmap& bitmap);

// All bitmaps, sorted by module, then id.
std::vector<Bitmap> catalogue();

}  // namespace artgen
