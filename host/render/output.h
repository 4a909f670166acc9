// Pictures out to files: PNG stills and an animated GIF, each written under a
// temporary name in the target's folder and renamed into place only when
// complete, so a failed or interrupted run never leaves a half-written file
// that looks finished.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace panelhost::render {

// Writes `bytes` to `path` through a temporary file and a rename; throws
// RenderError naming the file and the problem.
void write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// The picture as PNG bytes (RGB for RGB24 pictures, RGBA for ARGB32).
std::string encode_png(const Image& image);
void write_png(const std::filesystem::path& path, const Image& image);

// A picture flattened onto an opaque colour (0xRRGGBB), as an RGB24 image.
Image flatten(const Image& image, std::uint32_t background_rgb);

// An animated GIF, frame by frame. Each frame is stored as the rectangle in
// which it differs from the one before, with its own palette: the exact
// colours where it has 256 or fewer, else a median-cut palette from giflib.
// Frames equal to the one before only lengthen its showing time. The file
// appears under its name when finish() succeeds; a writer destroyed before
// that removes its temporary file.
class GifWriter {
 public:
  GifWriter(std::filesystem::path path, std::int32_t width, std::int32_t height);
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Adds a frame shown for `delay_cs` hundredths of a second; the picture
  // must have the writer's size (RGB24 or opaque ARGB32).
  void add(const Image& frame, std::uint32_t delay_cs);
  void finish();

  std::size_t frames_written() const { return frames_written_; }

 private:
  struct Pending {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row
    std::uint32_t delay_cs = 0;
  };
  void flush_pending();
  [[noreturn]] void fail(const std::string& problem);

  std::filesystem::path path_;
  std::filesystem::path temporary_;
  std::int32_t width_;
  std::int32_t height_;
  void* gif_ = nullptr;  // GifFileType*
  std::vector<std::uint32_t> previous_;  // the last frame's pixels, whole
  bool have_previous_ = false;
  Pending pending_;
  bool have_pending_ = false;
  std::size_t frames_written_ = 0;
};

}  // namespace panelhost::render
