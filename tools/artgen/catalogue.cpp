#include "catalogue.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "families.h"

namespace artgen {

const char* module_name(Module module) {
  return module == Module::velmar_tavrin ? "Velmar_Tavrin" : "quadrant";
}

std::string id_text(const Bitmap& bitmap) {
  char number[16];
  if (bitmap.module == Module::velmar_tavrin)
    std::snprintf(number, sizeof number, "0x%04X", static_cast<unsigned>(bitmap.id));
  else
    std::snprintf(number, sizeof number, "%d", bitmap.id);
  return number;
}

std::string file_name(const Bitmap& bitmap) {
  return std::string(module_name(bitmap.module)) + "/" + id_text(bitmap) + "_" + bitmap.role + ".bmp";
}

Catalogue catalogue() {
  Catalogue all;
  for (const auto& add : kFamilies) add(all);
  std::stable_sort(all.bitmaps.begin(), all.bitmaps.end(), [](const Bitmap& a, const Bitmap& b) {
    if (a.module != b.module) return a.module < b.module;
    return a.id < b.id;
  });
  for (std::size_t i = 1; i < all.bitmaps.size(); ++i)
    if (all.bitmaps[i].module == all.bitmaps[i - 1].module && all.bitmaps[i].id == all.bitmaps[i - 1].id)
      throw std::logic_error("two pictures for " + file_name(all.bitmaps[i]));
  return all;
}

}  // namespace artgen
