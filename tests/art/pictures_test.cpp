// Rules that hold across the pictures: what must show is never the
// transparent black; pictures called the same are the same pixel for pixel;
// needles cover their pivot and run along +x; icon series show what their
// picture numbers mean.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "art_support.h"

namespace art_checks {
namespace {

using artgen::Image;

// --- Nothing that must show is transparent -------------------------------------

struct Region {
  enum Shape { rect, disc, ring } shape;
  // rect: x0, y0, x1, y1 (inclusive); disc: centre x, y, radius;
  // ring: centre x, y, inner and outer radius. Distances from pixel centres.
  double a, b, c, d;
};

struct MustShow {
  int id;
  bool quadrant_module;
  Region region;
};

// Areas of each picture that are solid: faces, plates, knobs, lamps.
constexpr MustShow kMustShow[] = {
    // id     quadrant  region
    {0x1000, false, {Region::disc, 64.5, 64.5, 62, 0}},    // fuel dial: face and bezel
    {0x1300, false, {Region::ring, 64.5, 64.5, 56, 62}},   // fuel overlay: bezel ring
    {0x1400, false, {Region::rect, 2, 2, 125, 125}},       // selector plate inside its rounded corners
    {0x1800, false, {Region::disc, 64.5, 64.5, 62, 0}},    // airspeed dial
    {0x1A00, false, {Region::disc, 64.5, 64.5, 62, 0}},    // vertical speed dial
    {0x1B01, false, {Region::ring, 64.5, 64.5, 59, 62}},   // its cover: bezel ring,
    {0x1B01, false, {Region::disc, 64.5, 64.5, 6, 0}},     //   hub
    {0x1B01, false, {Region::rect, 70, 63, 120, 65}},      //   and bar to 3 o'clock
    {0x1C00, false, {Region::disc, 64, 64, 62, 0}},        // horizon bezel
    {0x1D00, false, {Region::rect, 0, 0, 127, 127}},       // horizon texture
    {0x3100, false, {Region::disc, 64.5, 64.5, 62, 0}},    // radio compass face
    {0x3200, false, {Region::disc, 64.5, 64.5, 57, 0}},    // rose
    {0x3400, false, {Region::disc, 56.5, 58.5, 21, 0}},    // Km dial, above the notch
    {0x3500, false, {Region::rect, 0, 0, 591, 17}},        // counter strip
    {0x3700, false, {Region::disc, 64.5, 64.5, 62, 0}},    // metre backing
    {0x3A00, false, {Region::ring, 64.5, 64.5, 53, 63}},   // metre face: outer ring,
    {0x3A00, false, {Region::ring, 64.5, 64.5, 30, 36.5}}, //   inner ring
    {0x3A00, false, {Region::disc, 64.5, 64.5, 13.5, 0}},  //   and hub
    {0x3B00, false, {Region::rect, 2, 2, 72, 72}},         // clock face and bezel
    {0x4F00, false, {Region::rect, 3, 3, 124, 124}},       // turn coordinator
    {0x5200, false, {Region::disc, 58, 59.5, 56, 0}},      // whiskey compass bowl
    {0x5300, false, {Region::rect, 0, 0, 335, 25}},        // compass card
    {0x1600, false, {Region::rect, 3, 3, 124, 124}},       // battery switch plate
    {0x1F00, false, {Region::disc, 64.5, 64.5, 57, 0}},    // tachometer dial
    {0x2500, false, {Region::disc, 64.5, 64.5, 56, 0}},    // temperature dial
    {0x4300, false, {Region::disc, 64.5, 64.5, 58, 0}},    // fuel pressure dial
    {0x4700, false, {Region::disc, 64.5, 64.5, 58, 0}},    // oil pressure dial
    {0x4B00, false, {Region::rect, 3, 3, 124, 124}},       // manifold pressure case
    {0x5700, false, {Region::rect, 2, 2, 205, 61}},        // ignition strip
    {0x5B00, false, {Region::rect, 2, 2, 141, 189}},       // autopilot panel
    {0x6500, false, {Region::rect, 2, 2, 141, 205}},       // bombing panel
    {0x5C00, false, {Region::disc, 16, 16, 8, 0}},         // lamp, dark
    {0x5C01, false, {Region::disc, 16, 16, 8, 0}},         // lamp, lit
    {0x6801, false, {Region::disc, 16, 16, 8, 0}},         // green lamp, lit
    {1000,   true,  {Region::rect, 1, 1, 155, 208}},       // quadrant body
    {1100,   true,  {Region::rect, 2, 2, 17, 20}},         // knob grips
    {1200,   true,  {Region::rect, 2, 2, 19, 18}},
    {1300,   true,  {Region::rect, 2, 2, 23, 20}},
    {1400,   true,  {Region::rect, 2, 2, 21, 20}},
    {1500,   true,  {Region::rect, 2, 2, 19, 18}},
    {1600,   true,  {Region::rect, 2, 2, 16, 20}},
};

bool inside(const Region& r, int x, int y) {
  if (r.shape == Region::rect) return x >= r.a && x <= r.c && y >= r.b && y <= r.d;
  const double d = std::hypot(x + 0.5 - r.a, y + 0.5 - r.b);
  return r.shape == Region::disc ? d <= r.c : d >= r.c && d <= r.d;
}

TEST(Pictures, NothingThatMustShowIsTransparentBlack) {
  for (const MustShow& m : kMustShow) {
    SCOPED_TRACE(testing::Message() << "bitmap " << std::hex << m.id);
    const Image& image = m.quadrant_module ? quadrant(m.id).image : vt(m.id).image;
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (inside(m.region, x, y) && is_black(image.at(x, y))) ++black;
    EXPECT_EQ(black, 0);
  }
}

// --- The same picture under several ids -------------------------------------

const std::vector<std::vector<int>> kSamePicture = {
    {0x1100, 0x1200},                          // fuel needles
    {0x2000, 0x2300},                          // tachometer needles
    {0x2100, 0x2400},                          // tachometer overlays
    {0x2500, 0x2800, 0x2B00, 0x2E00},          // temperature dials
    {0x2600, 0x2900, 0x2C00, 0x2F00},          // temperature needles
    {0x2700, 0x2A00, 0x2D00, 0x3000},          // temperature overlays
    {0x4300, 0x4500},                          // fuel pressure dials
    {0x4700, 0x4900},                          // oil pressure dials
    {0x4400, 0x4600, 0x4800, 0x4A00},          // pressure needles
    {0x4B00, 0x4D00},                          // manifold pressure dials
    {0x4C00, 0x4E00},                          // manifold pressure needles
    {0x5700, 0x5900},                          // ignition strips, engine 0 and 1
    {0x5800, 0x5A00},                          //   and their four pictures
    {0x5801, 0x5A01},
    {0x5802, 0x5A02},
    {0x5803, 0x5A03},
    {0x5D00, 0x5E00, 0x5F00, 0x6000},          // autopilot switches, lever down
    {0x5D01, 0x5E01, 0x5F01, 0x6001},          //   lever up
    {0x5C00, 0x6100, 0x6200, 0x6300, 0x6400,   // the dark lamp
     0x6600, 0x6800},
    {0x5C01, 0x6201, 0x6401, 0x6601},          // the lamp lit red
};

TEST(Pictures, PicturesCalledTheSameAreIdentical) {
  for (const auto& group : kSamePicture) {
    const Image& first = vt(group.front()).image;
    for (const int id : group) EXPECT_EQ(vt(id).image, first) << std::hex << "0x" << id << " vs 0x" << group.front();
  }
}

// --- Needles --------------------------------------------------------------------

struct Needle {
  int id;
  int pivot_x;
  int pivot_y;
};

constexpr Needle kNeedles[] = {
    // id     pivot in the needle bitmap
    {0x1100, 5, 4},   // fuel
    {0x1900, 12, 4},  // airspeed
    {0x1B00, 4, 4},   // vertical speed
    {0x3600, 16, 10}, // Km altimeter
    {0x3C00, 13, 5},  // clock, long hand
    {0x3D00, 7, 4},   // clock, short hand
    {0x5100, 7, 5},   // turn pointer
    {0x2000, 3, 4},   // tachometer
    {0x2600, 1, 1},   // temperatures
    {0x4400, 3, 3},   // pressures
    {0x4C00, 15, 8},  // manifold pressure
};

TEST(Pictures, NeedlesCoverTheirPivotAndPointAlongPlusX) {
  for (const Needle& n : kNeedles) {
    SCOPED_TRACE(testing::Message() << "needle " << std::hex << n.id);
    const Image& image = vt(n.id).image;
    EXPECT_FALSE(is_black(image.at(n.pivot_x, n.pivot_y)));
    // The blade runs unbroken along the pivot row to the far end.
    for (int x = n.pivot_x; x < image.width() - 2; ++x) EXPECT_FALSE(is_black(image.at(x, n.pivot_y))) << x;
    // And it is longer on the +x side: nothing reaches as far the other way.
    int left = 0;
    for (int x = 0; x < n.pivot_x; ++x) left += is_black(image.at(x, n.pivot_y)) ? 0 : 1;
    EXPECT_LT(left, image.width() - n.pivot_x);
  }
}

// --- Icon series ----------------------------------------------------------------


TEST(Pictures, TankSelectorPointsToEachPosition) {
  struct Case {
    int id;
    double degrees;  // L+R up, L left, R right, off down
  };
  const Case cases[] = {{0x1500, -90.0}, {0x1501, 180.0}, {0x1502, 0.0}, {0x1503, 90.0}};
  for (const Case& c : cases) {
    // The white line along the knob's grip.
    const Lean l = lean(vt(c.id).image, 64.0, 64.0, 200);
    EXPECT_GT(l.distance, 10.0) << std::hex << c.id;
    EXPECT_NEAR(std::remainder(l.degrees - c.degrees, 360.0), 0.0, 3.0) << std::hex << c.id;
  }
}

}  // namespace
}  // namespace art_checks
