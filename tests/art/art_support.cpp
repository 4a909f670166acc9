#include "art_support.h"

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace art_checks {

std::string resources_dir() { return ART_RESOURCES_DIR; }

std::vector<ManifestRow> read_manifest(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<ManifestRow> rows;
  std::string line;
  std::getline(in, line);
  if (line != "module,id,file,width,height,bits") throw std::runtime_error("bad manifest header: " + line);
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    ManifestRow row;
    std::string id, w, h, bits;
    std::getline(fields, row.module, ',');
    std::getline(fields, id, ',');
    std::getline(fields, row.file, ',');
    std::getline(fields, w, ',');
    std::getline(fields, h, ',');
    std::getline(fields, bits, ',');
    row.id = std::stoi(id);
    row.width = std::stoi(w);
    row.height = std::stoi(h);
    row.bits = std::stoi(bits);
    rows.push_back(row);
  }
  return rows;
}

namespace {

const BmpFile& load(const std::string& module, int id) {
  static std::map<std::pair<std::string, int>, BmpFile> cache;
  static const std::vector<ManifestRow> manifest = read_manifest(resources_dir() + "/bitmaps.csv");
  const auto key = std::make_pair(module, id);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  for (const ManifestRow& row : manifest)
    if (row.module == module && row.id == id)
      return cache.emplace(key, read_bmp(resources_dir() + "/" + row.file)).first->second;
  throw std::runtime_error("no bitmap " + std::to_string(id) + " in " + module);
}

}  // namespace

const BmpFile& vt(int id) { return load("Velmar_Tavrin", id); }
const BmpFile& quadrant(int id) { return load("quadrant", id); }

int luma(artgen::Rgb c) { return (c.r * 299 + c.g * 587 + c.b * 114) / 1000; }
bool is_black(artgen::Rgb c) { return c == artgen::kTransparent; }

Lean lean(const artgen::Image& image, double cx, double cy, int min_luma) {
  double sx = 0.0;
  double sy = 0.0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!is_black(image.at(x, y)) && luma(image.at(x, y)) >= min_luma) {
        sx += x + 0.5 - cx;
        sy += y + 0.5 - cy;
        ++n;
      }
  if (n == 0) return {0.0, 0.0};
  sx /= n;
  sy /= n;
  return {std::atan2(sy, sx) * 180.0 / 3.14159265358979323846, std::hypot(sx, sy)};
}

}  // namespace art_checks
