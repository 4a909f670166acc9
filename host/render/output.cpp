#include "output.h"

#include <fmt/format.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <unordered_map>

namespace panelhost::render {
namespace {

std::filesystem::path temporary_name(const std::filesystem::path& path) {
  static std::mt19937_64 random{std::random_device{}()};
  return path.parent_path() / fmt::format(".{}.{:016x}.part", path.filename().string(), random());
}

void make_parent(const std::filesystem::path& path) {
  const auto parent = path.parent_path();
  if (parent.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(parent, error);
  if (error) throw RenderError(fmt::format("{}: cannot make its folder: {}", path.string(), error.message()));
}

void rename_into_place(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  if (error) {
    std::filesystem::remove(from, error);
    throw RenderError(fmt::format("{}: cannot put the file in place: {}", to.string(), error.message()));
  }
}

cairo_status_t append_to_string(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
  make_parent(path);
  const auto temporary = temporary_name(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw RenderError(fmt::format("{}: cannot write: {}", path.string(), std::strerror(errno)));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw RenderError(fmt::format("{}: writing failed", path.string()));
    }
  }
  rename_into_place(temporary, path);
}

std::string encode_png(const Image& image) {
  std::string bytes;
  image.flush();
  const cairo_status_t status = cairo_surface_write_to_png_stream(image.surface(), append_to_string, &bytes);
  if (status != CAIRO_STATUS_SUCCESS) throw RenderError(fmt::format("PNG encoding: {}", cairo_status_to_string(status)));
  return bytes;
}

void write_png(const std::filesystem::path& path, const Image& image) {
  std::string bytes;
  try {
    bytes = encode_png(image);
  } catch (const RenderError& error) {
    throw RenderError(path.string() + ": " + error.what());
  }
  write_file_atomically(path, bytes);
}

Image flatten(const Image& image, std::uint32_t background_rgb) {
  Image flat(image.width(), image.height(), CAIRO_FORMAT_RGB24);
  fill(flat, 0xFF000000u | background_rgb);
  const ContextPtr context = flat.context();
  cairo_set_source_surface(context.get(), image.surface(), 0, 0);
  cairo_paint(context.get());
  check(context.get(), "flattening");
  return flat;
}

// --- Animated GIF --------------------------------------------------------------

namespace {

GifFileType* as_gif(void* gif) { return static_cast<GifFileType*>(gif); }

int palette_bits(std::size_t colours) {
  int bits = 1;
  while ((std::size_t{1} << bits) < colours) ++bits;
  return bits;
}

}  // namespace

GifWriter::GifWriter(std::filesystem::path path, std::int32_t width, std::int32_t height)
    : path_(std::move(path)), width_(width), height_(height) {
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
    throw RenderError(fmt::format("{}: an animation of {}x{} pixels cannot be made", path_.string(), width, height));
  make_parent(path_);
  temporary_ = temporary_name(path_);
  int error = 0;
  GifFileType* gif = EGifOpenFileName(temporary_.c_str(), false, &error);
  if (!gif) throw RenderError(fmt::format("{}: cannot write: {}", path_.string(), GifErrorString(error)));
  gif_ = gif;
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, width_, height_, 8, 0, nullptr) == GIF_ERROR) fail("screen descriptor");
  // Play in a loop.
  static const GifByteType kLoopName[] = "NETSCAPE2.0";
  static const GifByteType kLoopForever[] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif, 11, kLoopName) == GIF_ERROR || EGifPutExtensionBlock(gif, 3, kLoopForever) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif) == GIF_ERROR)
    fail("loop extension");
  previous_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

GifWriter::~GifWriter() {
  if (gif_) {
    int error = 0;
    EGifCloseFile(as_gif(gif_), &error);
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
  }
}

void GifWriter::fail(const std::string& problem) {
  const int code = gif_ ? as_gif(gif_)->Error : 0;
  throw RenderError(fmt::format("{}: {}: {}", path_.string(), problem, GifErrorString(code)));
}

void GifWriter::add(const Image& frame, std::uint32_t delay_cs) {
  if (!gif_) throw RenderError(path_.string() + ": the animation is already finished");
  if (frame.width() != width_ || frame.height() != height_)
    throw RenderError(fmt::format("{}: a frame of {}x{} in an animation of {}x{}", path_.string(), frame.width(),
                                  frame.height(), width_, height_));
  frame.flush();
  // The rectangle in which this frame differs from the last.
  std::int32_t left = width_, top = height_, right = -1, bottom = -1;
  std::vector<std::uint32_t> current(previous_.size());
  for (std::int32_t y = 0; y < height_; ++y) {
    for (std::int32_t x = 0; x < width_; ++x) {
      const std::uint32_t rgb = frame.pixel(x, y) & 0xFFFFFFu;
      const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
      current[at] = rgb;
      if (have_previous_ && previous_[at] == rgb) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  previous_ = std::move(current);
  have_previous_ = true;
  if (right < 0) {
    // Nothing changed: the frame before stays up longer.
    if (have_pending_) pending_.delay_cs += delay_cs;
    return;
  }
  if (have_pending_) flush_pending();
  pending_ = Pending{left, top, right - left + 1, bottom - top + 1, {}, delay_cs};
  pending_.pixels.reserve(static_cast<std::size_t>(pending_.width) * static_cast<std::size_t>(pending_.height));
  for (std::int32_t y = top; y <= bottom; ++y)
    for (std::int32_t x = left; x <= right; ++x)
      pending_.pixels.push_back(
          previous_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]);
  have_pending_ = true;
}

void GifWriter::flush_pending() {
  GifFileType* gif = as_gif(gif_);
  const std::size_t count = pending_.pixels.size();
  std::vector<GifByteType> indices(count);
  std::vector<GifColorType> palette;
  // Exact colours where they fit in one palette.
  std::unordered_map<std::uint32_t, GifByteType> exact;
  for (std::size_t i = 0; i < count && exact.size() <= 256; ++i) {
    const auto [found, added] = exact.try_emplace(pending_.pixels[i], static_cast<GifByteType>(exact.size() & 0xFF));
    if (added && exact.size() <= 256) {
      const std::uint32_t rgb = pending_.pixels[i];
      palette.push_back({static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                         static_cast<GifByteType>(rgb)});
    }
    indices[i] = found->second;
  }
  if (exact.size() > 256) {
    std::vector<GifByteType> red(count), green(count), blue(count);
    for (std::size_t i = 0; i < count; ++i) {
      red[i] = static_cast<GifByteType>(pending_.pixels[i] >> 16);
      green[i] = static_cast<GifByteType>(pending_.pixels[i] >> 8);
      blue[i] = static_cast<GifByteType>(pending_.pixels[i]);
    }
    int size = 256;
    palette.assign(256, GifColorType{});
    if (GifQuantizeBuffer(static_cast<unsigned>(pending_.width), static_cast<unsigned>(pending_.height), &size,
                          red.data(), green.data(), blue.data(), indices.data(), palette.data()) == GIF_ERROR)
      fail("colour reduction");
    palette.resize(static_cast<std::size_t>(size));
  }
  const int bits = palette_bits(palette.size());
  palette.resize(std::size_t{1} << bits, GifColorType{0, 0, 0});
  ColorMapObject* map = GifMakeMapObject(1 << bits, palette.data());
  if (!map) fail("palette");

  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = static_cast<int>(std::min<std::uint32_t>(pending_.delay_cs, 65535));
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  const bool written = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR &&
                       EGifPutImageDesc(gif, pending_.left, pending_.top, pending_.width, pending_.height, false, map) !=
                           GIF_ERROR;
  GifFreeMapObject(map);
  if (!written) fail("frame header");
  for (std::int32_t y = 0; y < pending_.height; ++y) {
    GifByteType* line = indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(pending_.width);
    if (EGifPutLine(gif, line, pending_.width) == GIF_ERROR) fail("frame pixels");
  }
  ++frames_written_;
  have_pending_ = false;
}

void GifWriter::finish() {
  if (!gif_) return;
  if (have_pending_) flush_pending();
  int error = 0;
  const int closed = EGifCloseFile(as_gif(gif_), &error);
  gif_ = nullptr;
  if (closed == GIF_ERROR) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    throw RenderError(fmt::format("{}: closing: {}", path_.string(), GifErrorString(error)));
  }
  // giflib creates its file readable by the owner only; a picture is for
  // everyone who may read the folder.
  std::error_code ignored;
  std::filesystem::permissions(temporary_,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_read | std::filesystem::perms::others_read,
                               ignored);
  rename_into_place(temporary_, path_);
}

}  // namespace panelhost::render
