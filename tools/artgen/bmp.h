// Uncompressed Windows bitmap files, byte for byte the same on every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace artgen {

// The whole .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER (bottom-up rows,
// no compression, 72 dpi), then for 8 bits a full 256-entry palette of the
// picture's own colours, then the pixel rows padded to four bytes.
std::vector<std::uint8_t> encode_bmp(const Image& image, int bits);

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace artgen
