// artgen: draws every bitmap of both gauge modules and writes them, with the
// manifest resources/bitmaps.csv that the module builds read, and a contact
// sheet of them all.
//
//   artgen [--out DIR] [--contact-sheet FILE.png] [--scale N]
//
// DIR defaults to ./resources, the sheet to ./out/contact_sheet.png.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bmp.h"
#include "catalogue.h"
#include "contact_sheet.h"

namespace {

struct Options {
  std::string out = "resources";
  std::string contact_sheet = "out/contact_sheet.png";
  int scale = 1;
};

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--out") options.out = value();
    else if (arg == "--contact-sheet") options.contact_sheet = value();
    else if (arg == "--scale") options.scale = std::stoi(value());
    else throw std::invalid_argument("unknown argument " + arg);
  }
  if (options.scale < 1 || options.scale > 8) throw std::invalid_argument("--scale is 1 to 8");
  return options;
}

void run(const Options& options) {
  namespace fs = std::filesystem;
  const artgen::Catalogue all = artgen::catalogue();
  const std::vector<artgen::Bitmap>& bitmaps = all.bitmaps;

  // Pictures that several bitmaps share are drawn once.
  std::map<std::tuple<artgen::Painter, int, int>, artgen::Image> drawn;
  std::vector<artgen::Drawn> sheet;
  std::string manifest = "module,id,file,width,height,bits\n";
  for (const artgen::Bitmap& b : bitmaps) {
    auto key = std::make_tuple(b.paint, b.width, b.height);
    auto it = drawn.find(key);
    if (it == drawn.end()) it = drawn.emplace(key, b.paint(b.width, b.height)).first;
    const artgen::Image& image = it->second;
    if (image.width() != b.width || image.height() != b.height)
      throw std::logic_error("painter drew the wrong size for " + artgen::file_name(b));

    const std::string file = artgen::file_name(b);
    const fs::path path = fs::path(options.out) / file;
    fs::create_directories(path.parent_path());
    artgen::write_file(path.string(), artgen::encode_bmp(image, b.bits));
    manifest += std::string(artgen::module_name(b.module)) + "," + std::to_string(b.id) + "," + file + "," +
                std::to_string(b.width) + "," + std::to_string(b.height) + "," + std::to_string(b.bits) + "\n";
    sheet.push_back({&b, &image});
  }
  const fs::path manifest_path = fs::path(options.out) / "bitmaps.csv";
  artgen::write_file(manifest_path.string(), std::vector<std::uint8_t>(manifest.begin(), manifest.end()));

  if (!options.contact_sheet.empty()) {
    const fs::path sheet_path(options.contact_sheet);
    if (sheet_path.has_parent_path()) fs::create_directories(sheet_path.parent_path());
    artgen::write_contact_sheet(sheet, sheet_path.string(), options.scale);
  }
  std::printf("artgen: %zu bitmaps in %s\n", bitmaps.size(), options.out.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  try {
    run(parse(argc, argv));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
}
