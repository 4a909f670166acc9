// Files out: PNG stills and the animated GIF read back as written, and
// nothing left behind under the final name when writing fails.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "hotspots.h"
#include "output.h"

namespace panelhost::render {
namespace {

class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("panelhost_output_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  static Image frame(std::uint32_t rgb, std::int32_t width = 6, std::int32_t height = 4) {
    Image image(width, height, CAIRO_FORMAT_RGB24);
    fill(image, 0xFF000000u | rgb);
    return image;
  }

  std::filesystem::path folder;
};

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

std::unique_ptr<GifFileType, GifCloser> read_gif(const std::filesystem::path& path) {
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &error));
  if (!gif || DGifSlurp(gif.get()) == GIF_ERROR) return nullptr;
  return gif;
}

std::uint32_t gif_pixel(const SavedImage& image, std::int32_t x, std::int32_t y) {
  const ColorMapObject* map = image.ImageDesc.ColorMap;
  const GifByteType index = image.RasterBits[y * image.ImageDesc.Width + x];
  const GifColorType colour = map->Colors[index];
  return static_cast<std::uint32_t>(colour.Red) << 16 | static_cast<std::uint32_t>(colour.Green) << 8 | colour.Blue;
}

std::uint32_t delay_of(const GifFileType& gif, int frame) {
  GraphicsControlBlock control{};
  DGifSavedExtensionToGCB(const_cast<GifFileType*>(&gif), frame, &control);
  return static_cast<std::uint32_t>(control.DelayTime);
}

TEST_F(OutputTest, PngIsWrittenWholeUnderItsName) {
  const Image image = frame(0x123456);
  write_png(folder / "a" / "still.png", image);
  EXPECT_EQ(std::filesystem::directory_iterator(folder / "a")->path().filename(), "still.png");
  cairo_surface_t* read = cairo_image_surface_create_from_png((folder / "a" / "still.png").c_str());
  ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(read), 6);
  std::uint32_t pixel;
  std::memcpy(&pixel, cairo_image_surface_get_data(read), sizeof pixel);
  EXPECT_EQ(pixel & 0xFFFFFF, 0x123456u);
  cairo_surface_destroy(read);
}

TEST_F(OutputTest, AFileThatCannotBeWrittenIsAnErrorNamingIt) {
  std::filesystem::create_directories(folder / "taken.png");  // a folder where the file should go
  try {
    write_png(folder / "taken.png", frame(0));
    FAIL() << "no error";
  } catch (const RenderError& error) {
    EXPECT_NE(std::string(error.what()).find("taken.png"), std::string::npos) << error.what();
  }
  EXPECT_EQ(files(), std::vector<std::string>{"taken.png"});  // no temporary left behind
}

TEST_F(OutputTest, GifStoresChangedRectanglesAndLengthensUnchangedFrames) {
  {
    GifWriter gif(folder / "run.gif", 6, 4);
    gif.add(frame(0x102030), 5);
    gif.add(frame(0x102030), 6);  // the same: the first shows 11 hundredths
    Image changed = frame(0x102030);
    {
      const ContextPtr context = changed.context();
      cairo_set_source_rgb(context.get(), 1, 0, 0);
      cairo_rectangle(context.get(), 2, 1, 2, 2);
      cairo_fill(context.get());
    }
    gif.add(changed, 7);
    EXPECT_TRUE(files().size() == 1 && files()[0] != "run.gif");  // only a temporary so far
    gif.finish();
    EXPECT_EQ(gif.frames_written(), 2u);
  }
  EXPECT_EQ(files(), std::vector<std::string>{"run.gif"});
  const auto gif = read_gif(folder / "run.gif");
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->SWidth, 6);
  EXPECT_EQ(gif->SHeight, 4);
  ASSERT_EQ(gif->ImageCount, 2);
  EXPECT_EQ(gif_pixel(gif->SavedImages[0], 5, 3), 0x102030u);
  EXPECT_EQ(delay_of(*gif, 0), 11u);
  const GifImageDesc& second = gif->SavedImages[1].ImageDesc;
  EXPECT_EQ(second.Left, 2);
  EXPECT_EQ(second.Top, 1);
  EXPECT_EQ(second.Width, 2);
  EXPECT_EQ(second.Height, 2);
  EXPECT_EQ(gif_pixel(gif->SavedImages[1], 0, 0), 0xFF0000u);
  EXPECT_EQ(delay_of(*gif, 1), 7u);
}

TEST_F(OutputTest, GifWithMoreThan256ColoursIsReducedNotRefused) {
  Image many(32, 32, CAIRO_FORMAT_RGB24);
  many.flush();
  for (std::int32_t y = 0; y < 32; ++y) {
    for (std::int32_t x = 0; x < 32; ++x) {
      const std::uint32_t pixel = 0xFF000000u | static_cast<std::uint32_t>(x * 8) << 16 | static_cast<std::uint32_t>(y * 8) << 8;
      std::memcpy(many.data() + y * many.stride() + x * 4, &pixel, 4);
    }
  }
  many.mark_dirty();
  GifWriter writer(folder / "many.gif", 32, 32);
  writer.add(many, 10);
  writer.finish();
  const auto gif = read_gif(folder / "many.gif");
  ASSERT_TRUE(gif);
  const std::uint32_t corner = gif_pixel(gif->SavedImages[0], 31, 31);
  EXPECT_NEAR(static_cast<int>(corner >> 16), 248, 16);
  EXPECT_NEAR(static_cast<int>((corner >> 8) & 0xFF), 248, 16);
}

TEST_F(OutputTest, AnUnfinishedGifLeavesNothing) {
  {
    GifWriter gif(folder / "cut.gif", 6, 4);
    gif.add(frame(0), 5);
    EXPECT_THROW(gif.add(frame(0, 7, 4), 5), RenderError);  // the wrong size
  }
  EXPECT_TRUE(files().empty());
}

TEST(Hotspots, BoxesSitInTheirEnclosingParent) {
  const MOUSERECT rows[] = {
      {MOUSE_RECT_PARENT, 0, 0, 0, 0, CURSOR_NONE, 0xAB2D},
      {MOUSE_RECT_CHILD, 56, 8, 16, 32, 5, 0, MOUSE_LEFTSINGLE},
      {MOUSE_RECT_PARENT, 20, 0, 24, 210, CURSOR_NONE, 0xA50A},
      {MOUSE_RECT_CHILD, 0, 0, 24, 210, 5, 0, MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG},
      {MOUSE_RECT_END_PARENT, 0, 0, 0, 0, CURSOR_NONE},
      {MOUSE_RECT_CHILD, 1, 2, 3, 4, 2, 0, MOUSE_LEFTSINGLE},
      {MOUSE_RECT_END_PARENT, 0, 0, 0, 0, CURSOR_NONE},
      {MOUSE_RECT_EOL, 0, 0, 0, 0, CURSOR_NONE},
  };
  const auto spots = hotspots(rows, {157, 210});
  ASSERT_EQ(spots.size(), 5u);
  EXPECT_EQ(spots[0].size.x, 157);  // a parent without a size spans the gauge
  EXPECT_EQ(spots[0].label(), "help 0xab2d");
  EXPECT_EQ(spots[1].origin.x, 56);
  EXPECT_EQ(spots[1].label(), "cursor 5");
  EXPECT_EQ(spots[3].origin.x, 20);  // (0, 0) in the group at x 20
  EXPECT_EQ(spots[3].size.y, 210);
  EXPECT_EQ(spots[4].origin.x, 1);  // back in the outer parent
  EXPECT_EQ(spots[4].row, 5u);
}

TEST(Hotspots, OutlinesAreDrawnOnTheBoxEdges) {
  Image image(40, 40, CAIRO_FORMAT_RGB24);
  fill(image, 0xFF000000u);
  const MOUSERECT rows[] = {
      {MOUSE_RECT_PARENT, 0, 0, 0, 0, CURSOR_NONE, 0},
      {MOUSE_RECT_CHILD, 4, 4, 24, 24, 5, 0, MOUSE_LEFTSINGLE},
      {MOUSE_RECT_END_PARENT, 0, 0, 0, 0, CURSOR_NONE},
      {MOUSE_RECT_EOL, 0, 0, 0, 0, CURSOR_NONE},
  };
  const auto spots = hotspots(rows, {40, 40});
  const ContextPtr context = image.context();
  draw_hotspots(context.get(), spots);
  image.flush();
  // The child's outline runs a pixel inside its right edge, in cyan.
  const std::uint32_t edge = image.pixel(26, 18);
  EXPECT_GT((edge >> 8) & 0xFF, 0xC0u) << std::hex << edge;
  EXPECT_GT(edge & 0xFF, 0xC0u) << std::hex << edge;
  EXPECT_LT((edge >> 16) & 0xFF, 0x80u) << std::hex << edge;
  EXPECT_EQ(image.pixel(16, 20) & 0xFFFFFF, 0u);  // inside, between the labels: untouched
  EXPECT_EQ(image.pixel(30, 18) & 0xFFFFFF, 0u);  // outside the child
}

}  // namespace
}  // namespace panelhost::render
