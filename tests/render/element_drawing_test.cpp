// Drawing each element kind, on tiny fixture bitmaps whose every pixel is
// known, so that a test names the exact pixel a rule puts on the gauge.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <vector>

#include "gauge_renderer.h"

namespace panelhost::render {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGrey = 0x404040;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kClear = 0x00000000;  // a transparent pixel of the picture
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::uint32_t opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

Bitmap solid(std::int32_t width, std::int32_t height, std::uint32_t rgb) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bits = 24;
  bitmap.pixels.assign(static_cast<std::size_t>(width * height), rgb);
  return bitmap;
}

// Rows of pixels, top row first.
Bitmap rows(std::vector<std::vector<std::uint32_t>> pixels) {
  Bitmap bitmap;
  bitmap.height = static_cast<std::int32_t>(pixels.size());
  bitmap.width = static_cast<std::int32_t>(pixels.front().size());
  bitmap.bits = 24;
  for (const auto& row : pixels) bitmap.pixels.insert(bitmap.pixels.end(), row.begin(), row.end());
  return bitmap;
}

ELEMENT_HEADER header(ELEMENT_KIND kind, std::uint32_t bitmap, PIXPOINT position, FLAGS32 flags,
                      PIXPOINT pivot = {0, 0}) {
  return {kind, bitmap, position, pivot, nullptr, nullptr, nullptr, flags};
}

// A gauge made of fixture records: a grey background (bitmap 1) and the
// elements under test after it.
class Fixture : public ::testing::Test {
 protected:
  Fixture() { bitmaps.add(1, solid(16, 16, kGrey)); }

  GaugeRenderer renderer(std::vector<ELEMENT_HEADER*> elements) {
    std::vector<ElementNode> nodes{{&background.header, ElementNode::npos, 0}};
    for (ELEMENT_HEADER* element : elements) nodes.push_back({element, 0, 1});
    return GaugeRenderer(nodes, {16, 16}, bitmaps, "fixture");
  }

  // One update with the values of the elements after the background.
  static const Image& draw(GaugeRenderer& gauge, const std::vector<ElementValues>& values) {
    std::vector<ElementValues> all(values.size() + 1);
    for (std::size_t i = 0; i < values.size(); ++i) all[i + 1] = values[i];
    gauge.advance(all);
    const Image& picture = gauge.picture();
    picture.flush();
    return picture;
  }

  static ElementValues one(double value) { return {1, {value, 0, 0}}; }
  static ElementValues two(double x, double y) { return {2, {x, y, 0}}; }
  static ElementValues three(double x, double y, double r) { return {3, {x, y, r}}; }

  BitmapMap bitmaps;
  ELEMENT_STATIC_IMAGE background{header(ELEMENT_KIND_STATIC_IMAGE, 1, {0, 0}, 0x1)};
};

TEST_F(Fixture, StaticImagesKeyPureBlackOnlyWithTheTransparencyFlag) {
  bitmaps.add(2, rows({{kBlack, kWhite}, {0x010000, kBlack}}));
  ELEMENT_STATIC_IMAGE keyed{header(ELEMENT_KIND_STATIC_IMAGE, 2, {2, 3}, 0x1)};
  ELEMENT_STATIC_IMAGE plain{header(ELEMENT_KIND_STATIC_IMAGE, 2, {8, 3}, 0x2)};
  GaugeRenderer gauge = renderer({&keyed.header, &plain.header});
  const Image& picture = draw(gauge, {{}, {}});
  EXPECT_EQ(picture.pixel(2, 3), opaque(kGrey));    // black, keyed: the background shows
  EXPECT_EQ(picture.pixel(3, 3), opaque(kWhite));
  EXPECT_EQ(picture.pixel(2, 4), opaque(0x010000));  // nearly black is not black
  EXPECT_EQ(picture.pixel(8, 3), opaque(kBlack));   // no flag: black is drawn
  EXPECT_EQ(picture.pixel(0, 0), opaque(kGrey));
}

TEST_F(Fixture, BackgroundBlackLeavesTheGaugeSeeThrough) {
  bitmaps.add(1, rows({{kBlack, kWhite}, {kWhite, kWhite}}));
  GaugeRenderer gauge(std::vector<ElementNode>{{&background.header, ElementNode::npos, 0}}, {2, 2}, bitmaps, "fixture");
  gauge.advance(std::vector<ElementValues>(1));
  const Image& picture = gauge.picture();
  picture.flush();
  EXPECT_EQ(picture.pixel(0, 0), kClear);
  EXPECT_EQ(picture.pixel(1, 0), opaque(kWhite));
}

TEST_F(Fixture, LaterElementsCoverEarlierOnes) {
  bitmaps.add(2, solid(4, 4, kRed));
  bitmaps.add(3, solid(4, 4, kBlue));
  ELEMENT_STATIC_IMAGE first{header(ELEMENT_KIND_STATIC_IMAGE, 2, {0, 0}, 0x1)};
  ELEMENT_STATIC_IMAGE second{header(ELEMENT_KIND_STATIC_IMAGE, 3, {2, 2}, 0x1)};
  GaugeRenderer gauge = renderer({&first.header, &second.header});
  const Image& picture = draw(gauge, {{}, {}});
  EXPECT_EQ(picture.pixel(1, 1), opaque(kRed));
  EXPECT_EQ(picture.pixel(3, 3), opaque(kBlue));
  EXPECT_EQ(picture.pixel(5, 5), opaque(kBlue));
}

TEST_F(Fixture, IconShowsPictureBasePlusValueAndNothingOutsideItsSeries) {
  bitmaps.add(0x10, solid(2, 2, kRed));
  bitmaps.add(0x11, solid(2, 2, kGreen));
  bitmaps.add(0x12, solid(2, 2, kBlue));
  ELEMENT_ICON icon{header(ELEMENT_KIND_ICON, 0x10, {5, 5}, 0x3), {7}, nullptr, 3};
  GaugeRenderer gauge = renderer({&icon.header});
  struct Case {
    double value;
    std::uint32_t pixel;
  } cases[] = {
      {0.0, opaque(kRed)}, {1.0, opaque(kGreen)}, {2.0, opaque(kBlue)}, {-0.0, opaque(kRed)},
      // No picture for values outside 0..count-1 or not whole.
      {3.0, opaque(kGrey)}, {-1.0, opaque(kGrey)}, {1.5, opaque(kGrey)}, {kNaN, opaque(kGrey)},
      {kInf, opaque(kGrey)}, {-kInf, opaque(kGrey)}, {4294967295.0, opaque(kGrey)},
  };
  for (const Case& c : cases) EXPECT_EQ(draw(gauge, {one(c.value)}).pixel(5, 5), c.pixel) << "value " << c.value;
}

TEST_F(Fixture, NeedleTurnsItsBitmapAboutThePivotToTheCalibratedAngle) {
  // A 6x2 bar pointing +x, red at its tip; pivot (0, 1) on the gauge's (8, 8).
  bitmaps.add(0x20, rows({{kWhite, kWhite, kWhite, kWhite, kWhite, kRed},
                          {kWhite, kWhite, kWhite, kWhite, kWhite, kRed}}));
  NONLINEARITY table[] = {{{8, 0}, 0.0}, {{16, 8}, 10.0}, {{8, 16}, 20.0}, {{0, 8}, 30.0}};
  ELEMENT_NEEDLE needle{header(ELEMENT_KIND_NEEDLE, 0x20, {8, 8}, 0x3, {0, 1}), {5}, nullptr, table, 4, 0};
  GaugeRenderer gauge = renderer({&needle.header});
  struct Case {
    double value;
    PIXPOINT tip;   // the red pixel the bar ends in
    PIXPOINT body;  // a white pixel of the bar
  } cases[] = {
      {10.0, {13, 7}, {9, 8}},   // right: unturned
      {20.0, {8, 13}, {8, 9}},   // down
      {30.0, {2, 8}, {6, 7}},    // left
      {0.0, {7, 2}, {7, 6}},     // up
      {40.0, {7, 2}, {7, 6}},    // a full turn on, by extrapolation
  };
  for (const Case& c : cases) {
    const Image& picture = draw(gauge, {one(c.value)});
    EXPECT_EQ(picture.pixel(c.tip.x, c.tip.y), opaque(kRed)) << "value " << c.value;
    EXPECT_EQ(picture.pixel(c.body.x, c.body.y), opaque(kWhite)) << "value " << c.value;
  }
}

TEST_F(Fixture, NeedleTurnsAtMostItsLimitPerUpdateAfterThePlacement) {
  bitmaps.add(0x20, solid(4, 2, kWhite));
  NONLINEARITY table[] = {{{8, 0}, 0.0}, {{16, 8}, 90.0}, {{8, 16}, 180.0}};
  ELEMENT_NEEDLE needle{header(ELEMENT_KIND_NEEDLE, 0x20, {8, 8}, 0x3, {0, 1}), {5}, nullptr, table, 3, 36};
  GaugeRenderer gauge = renderer({&needle.header});
  const double targets[] = {180.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 45.0};
  const double shown[] = {180.0, 144.0, 108.0, 72.0, 36.0, 0.0, 0.0, 36.0};
  for (std::size_t i = 0; i < std::size(targets); ++i) {
    const ElementValues values[] = {{}, one(targets[i])};
    EXPECT_EQ(gauge.advance(values), i != 6) << "update " << i;
    EXPECT_DOUBLE_EQ(gauge.states()[1].value[0], shown[i]) << "update " << i;
  }
}

// Strip: eight columns, two rows, a colour per column; window: 4x2 with its
// lower-left pixel pure black (shows nothing).
class MovingImage : public Fixture {
 protected:
  MovingImage() {
    const std::uint32_t c[8] = {0x100000, 0x200000, 0x300000, 0x400000, 0x500000, 0x600000, 0x700000, 0x800000};
    bitmaps.add(0x30, rows({{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]},
                            {c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]}}));
    bitmaps.add(0x31, rows({{0x010101, 0x010101, 0x010101, 0x010101}, {kBlack, 0x777777, 0x010101, 0x010101}}));
  }
  ELEMENT_MOVING_IMAGE strip{header(ELEMENT_KIND_MOVING_IMAGE, 0x30, {4, 6}, 0x3), {9}, 0.0, 10.0, {0}, 0.0, 0.0};
};

TEST_F(MovingImage, StripShiftsWithWhereTheValueLiesInItsRange) {
  GaugeRenderer gauge = renderer({&strip.header});
  struct Case {
    double value;
    std::uint32_t first_column;  // the strip column seen at the window's left edge
  } cases[] = {
      {0.0, 0x100000}, {10.0, 0x500000}, {5.0, 0x300000}, {2.4, 0x200000},  // 0.96 pixels: rounds to 1
      {-3.0, 0x100000}, {25.0, 0x500000}, {-kInf, 0x100000}, {kInf, 0x500000},
  };
  for (const Case& c : cases) {
    const Image& picture = draw(gauge, {two(c.value, 0.0)});
    EXPECT_EQ(picture.pixel(4, 6), opaque(c.first_column)) << "value " << c.value;
    EXPECT_EQ(picture.pixel(7, 6), opaque(c.first_column + 0x300000)) << "value " << c.value;
    EXPECT_EQ(picture.pixel(8, 6), opaque(kGrey)) << "outside the window";
  }
}

TEST_F(MovingImage, WindowBlackShowsNothingAndOtherWindowColoursShowTheStrip) {
  GaugeRenderer gauge = renderer({&strip.header});
  const Image& picture = draw(gauge, {two(0.0, 0.0)});
  EXPECT_EQ(picture.pixel(4, 7), opaque(kGrey));      // window pixel pure black
  EXPECT_EQ(picture.pixel(5, 7), opaque(0x200000));  // any other colour shows the strip
  EXPECT_EQ(picture.pixel(6, 7), opaque(0x300000));
}

TEST_F(MovingImage, AnAxisWithoutARangeDoesNotMoveAndANaNShowsNothing) {
  GaugeRenderer gauge = renderer({&strip.header});
  // y has minimum = maximum: any y value leaves the strip where it is.
  EXPECT_EQ(draw(gauge, {two(0.0, 1e9)}).pixel(4, 6), opaque(0x100000));
  EXPECT_EQ(draw(gauge, {two(kNaN, 0.0)}).pixel(5, 6), opaque(kGrey));
  strip.max_x = 0.0;  // x loses its range too
  GaugeRenderer still = renderer({&strip.header});
  EXPECT_EQ(draw(still, {two(kNaN, 0.0)}).pixel(4, 6), opaque(0x100000));
}

// Texture 4x4: red top half, blue bottom half, a white pixel at the top
// left; window 4x4, all showing. Pivot at the texture's centre (2, 2).
class Sprite : public Fixture {
 protected:
  Sprite() {
    bitmaps.add(0x40, rows({{kWhite, kRed, kRed, kRed},
                            {kRed, kRed, kRed, kRed},
                            {kBlue, kBlue, kBlue, kBlue},
                            {kBlue, kBlue, kBlue, kBlue}}));
    bitmaps.add(0x41, solid(4, 4, 0x010101));
  }
  ELEMENT_SPRITE sprite{header(ELEMENT_KIND_SPRITE, 0x40, {6, 6}, 0x7, {2, 2}),
                        {0}, 1.0, {0}, 1.0, {81}, 1.0, 1.0f, 1.0f};
};

TEST_F(Sprite, TextureSitsCentredInItsWindow) {
  GaugeRenderer gauge = renderer({&sprite.header});
  const Image& picture = draw(gauge, {three(0, 0, 0)});
  EXPECT_EQ(picture.pixel(6, 6), opaque(kWhite));
  EXPECT_EQ(picture.pixel(9, 7), opaque(kRed));
  EXPECT_EQ(picture.pixel(6, 9), opaque(kBlue));
  EXPECT_EQ(picture.pixel(5, 6), opaque(kGrey));  // outside the window
}

TEST_F(Sprite, TextureMovesByValueTimesScaleWithinTheWindow) {
  sprite.scale_y = -1.0;
  GaugeRenderer gauge = renderer({&sprite.header});
  // y value 1 with scale -1 moves the picture up a row: blue starts a row higher.
  const Image& picture = draw(gauge, {three(0, 1.0, 0)});
  EXPECT_EQ(picture.pixel(7, 7), opaque(kBlue));
  EXPECT_EQ(picture.pixel(7, 6), opaque(kRed));
  EXPECT_EQ(picture.pixel(7, 9), opaque(kGrey));  // nothing of the texture below it
}

TEST_F(Sprite, TextureTurnsClockwiseByRotationTimesScaleRadians) {
  GaugeRenderer gauge = renderer({&sprite.header});
  // A quarter turn clockwise: the red top half now fills the right half, the
  // white corner pixel has gone to the top right.
  const Image& picture = draw(gauge, {three(0, 0, std::numbers::pi / 2)});
  EXPECT_EQ(picture.pixel(9, 6), opaque(kWhite));
  EXPECT_EQ(picture.pixel(8, 8), opaque(kRed));
  EXPECT_EQ(picture.pixel(7, 8), opaque(kBlue));
  // Scale -1 turns the other way: the white pixel goes to the bottom left.
  sprite.scale_rotation = -1.0;
  GaugeRenderer reversed = renderer({&sprite.header});
  EXPECT_EQ(draw(reversed, {three(0, 0, std::numbers::pi / 2)}).pixel(6, 9), opaque(kWhite));
}

TEST_F(Sprite, WindowMasksTheTexture) {
  bitmaps.add(0x41, rows({{kBlack, 0x010101, 0x010101, 0x010101},
                          {0x010101, 0x010101, 0x010101, 0x010101},
                          {0x010101, 0x010101, 0x010101, 0x010101},
                          {0x010101, 0x010101, 0x010101, kBlack}}));
  GaugeRenderer gauge = renderer({&sprite.header});
  const Image& picture = draw(gauge, {three(0, 0, 0)});
  EXPECT_EQ(picture.pixel(6, 6), opaque(kGrey));
  EXPECT_EQ(picture.pixel(9, 9), opaque(kGrey));
  EXPECT_EQ(picture.pixel(7, 6), opaque(kRed));
}

TEST_F(Sprite, ValuesThatCannotBePlacedShowNothing) {
  GaugeRenderer gauge = renderer({&sprite.header});
  for (const ElementValues& values : {three(kNaN, 0, 0), three(0, kInf, 0), three(0, 0, kNaN), three(1e300, 0, 0)})
    EXPECT_EQ(draw(gauge, {values}).pixel(7, 7), opaque(kGrey));
  // An axis with scale 0 stays still whatever its value, NaN included.
  sprite.scale_x = 0.0;
  GaugeRenderer still = renderer({&sprite.header});
  EXPECT_EQ(draw(still, {three(kNaN, 0, 0)}).pixel(6, 6), opaque(kWhite));
}

TEST_F(Fixture, SliderShiftsItsKnobByValueTimesScalePixels) {
  bitmaps.add(0x50, solid(2, 2, kGreen));
  ELEMENT_SLIDER slider{header(ELEMENT_KIND_SLIDER, 0x50, {4, 10}, 0x3), {0}, 0.5, nullptr, {129}, -0.0099};
  GaugeRenderer gauge = renderer({&slider.header});
  struct Case {
    double x, y;
    PIXPOINT knob;  // top-left corner expected
  } cases[] = {
      {0.0, 0.0, {4, 10}},
      {4.0, 0.0, {6, 10}},
      {0.0, 808.0, {4, 2}},    // -7.9992 rounds to -8
      {3.0, 404.0, {6, 6}},    // 1.5 rounds away from zero; -3.9996 to -4
  };
  for (const Case& c : cases) {
    const Image& picture = draw(gauge, {two(c.x, c.y)});
    EXPECT_EQ(picture.pixel(c.knob.x, c.knob.y), opaque(kGreen)) << c.x << "," << c.y;
    EXPECT_EQ(picture.pixel(c.knob.x + 1, c.knob.y + 1), opaque(kGreen)) << c.x << "," << c.y;
    EXPECT_EQ(picture.pixel(c.knob.x - 1, c.knob.y), opaque(kGrey)) << c.x << "," << c.y;
  }
  for (const ElementValues& values : {two(kNaN, 0), two(0, -kInf), two(0, 1e12)}) {
    const Image& picture = draw(gauge, {values});
    for (std::int32_t y = 0; y < 16; ++y)
      for (std::int32_t x = 0; x < 16; ++x) ASSERT_EQ(picture.pixel(x, y), opaque(kGrey)) << x << "," << y;
  }
}

TEST_F(Fixture, MissingOrBrokenBitmapsAreNamedWithTheirElement) {
  ELEMENT_ICON icon{header(ELEMENT_KIND_ICON, 0x10, {0, 0}, 0x3), {7}, nullptr, 2};
  bitmaps.add(0x10, solid(2, 2, kRed));
  try {
    renderer({&icon.header});
    FAIL() << "no error";
  } catch (const RenderError& error) {
    EXPECT_STREQ(error.what(), "fixture: element 1 (icon): picture bitmap 0x11 (17): the module has no such bitmap");
  }
  ELEMENT_MOVING_IMAGE strip{header(ELEMENT_KIND_MOVING_IMAGE, 0x30, {0, 0}, 0x3), {9}, 0.0, 1.0};
  bitmaps.add(0x30, solid(4, 4, kRed));
  EXPECT_THROW(
      {
        try {
          renderer({&strip.header});
        } catch (const RenderError& error) {
          EXPECT_NE(std::string(error.what()).find("window bitmap 0x31 (49)"), std::string::npos) << error.what();
          throw;
        }
      },
      RenderError);
}

TEST(ModuleBitmaps, ABadHeaderIsReportedWithTheBitmapId) {
  // The module-backed source decodes what the module carries; a fixture
  // source stands in for a module whose bitmap has 16 bits per pixel.
  class Broken : public BitmapSource {
   public:
    std::optional<Bitmap> find(std::uint32_t id) const override {
      std::vector<unsigned char> bytes(40 + 4 * 4, 0);
      const std::int32_t info[] = {40, 2, 2};
      std::memcpy(bytes.data(), info, sizeof info);
      bytes[12] = 1;
      bytes[14] = 16;
      return decode_bitmap(bytes, bitmap_name(id));
    }
  } broken;
  ELEMENT_STATIC_IMAGE image{header(ELEMENT_KIND_STATIC_IMAGE, 0x1000, {0, 0}, 0x1)};
  try {
    GaugeRenderer(std::vector<ElementNode>{{&image.header, ElementNode::npos, 0}}, {2, 2}, broken, "fixture");
    FAIL() << "no error";
  } catch (const RenderError& error) {
    EXPECT_NE(std::string(error.what())
                  .find("fixture: element 0 (static image): bitmap 0x1000 (4096): bad header: 16 bits per pixel"),
              std::string::npos)
        << error.what();
  }
}

TEST_F(Fixture, OnlyTheMovingStretchIsRedrawnAndUnchangedValuesCostNothing) {
  // Background, needle, overlay icon (no variable, no callback): the pattern
  // of the cockpit's dials.
  bitmaps.add(0x20, solid(4, 2, kWhite));
  bitmaps.add(0x60, rows({{kRed, kBlack}, {kBlack, kBlack}}));
  NONLINEARITY table[] = {{{8, 0}, 0.0}, {{16, 8}, 90.0}};
  ELEMENT_NEEDLE needle{header(ELEMENT_KIND_NEEDLE, 0x20, {8, 8}, 0x3, {0, 1}), {5}, nullptr, table, 2, 0};
  ELEMENT_ICON overlay{header(ELEMENT_KIND_ICON, 0x60, {8, 8}, 0x3), {0}, nullptr, 1};
  GaugeRenderer gauge = renderer({&needle.header, &overlay.header});
  EXPECT_EQ(gauge.moving_elements(), 1u);
  const Image& first = draw(gauge, {one(90.0), one(0.0)});
  EXPECT_EQ(first.pixel(8, 8), opaque(kRed));     // the overlay covers the needle
  EXPECT_EQ(first.pixel(10, 8), opaque(kWhite));  // the needle pointing right
  const ElementValues same[] = {{}, one(90.0), one(0.0)};
  EXPECT_FALSE(gauge.advance(same));
  const ElementValues moved[] = {{}, one(0.0), one(0.0)};
  EXPECT_TRUE(gauge.advance(moved));
  const Image& second = gauge.picture();
  second.flush();
  EXPECT_EQ(second.pixel(10, 8), opaque(kGrey));
  EXPECT_EQ(second.pixel(8, 8), opaque(kRed));
  EXPECT_EQ(second.pixel(8, 5), opaque(kWhite));  // now pointing up
}

}  // namespace
}  // namespace panelhost::render
