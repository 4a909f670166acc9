// Reads the uncompressed bitmaps the modules carry, keeping the header fields
// the checks look at.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace art_checks {

struct BmpFile {
  std::uint32_t file_size_field = 0;  // bfSize
  std::uint32_t pixel_offset = 0;     // bfOffBits
  std::uint32_t info_size = 0;        // biSize
  std::int32_t width = 0;
  std::int32_t height = 0;            // positive: bottom-up
  std::uint16_t planes = 0;
  std::uint16_t bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
  std::vector<artgen::Rgb> palette;   // 8-bit files only
  std::size_t actual_size = 0;        // bytes in the file
  artgen::Image image;                // top row first
};

std::vector<std::uint8_t> read_bytes(const std::string& path);

// Parses a whole file; throws std::runtime_error on anything malformed.
BmpFile parse_bmp(const std::vector<std::uint8_t>& bytes);
BmpFile read_bmp(const std::string& path);

}  // namespace art_checks
