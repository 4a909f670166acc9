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
  enum Shape { rect, disc } shape;
  int a, b, c, d;  // rect: x0, y0, x1, y1 (inclusive); disc: centre x, y, radius
};

struct MustShow {
  int id;
  bool quadrant_module;
  Region region;
};

// Areas of each picture that are solid: faces, plates, knobs, lamps.
constexpr MustShow kMustShow[] = {
    // id     quadrant  region
    {0x1000, false, {Region::disc, 64, 64, 62, 0}},   // fuel dial: face and bezel
    {0x1400, false, {Region::rect, 2, 2, 125, 125}},  // selector plate inside its rounded corners
    {1000,   true,  {Region::rect, 1, 1, 155, 208}},  // quadrant body
};

bool inside(const Region& r, int x, int y) {
  if (r.shape == Region::rect) return x >= r.a && x <= r.c && y >= r.b && y <= r.d;
  const double dx = x - r.a;
  const double dy = y - r.b;
  return dx * dx + dy * dy <= static_cast<double>(r.c) * r.c;
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
    {0x1100, 0x1200},  // fuel needles
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
    {0x1100, 5, 4},
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

// Direction (degrees clockwise from +x) of the picture's pixels at least
// `min_luma` bright, seen from (cx, cy), and how far off centre they lie.
struct Lean {
  double degrees;
  double distance;
};

Lean lean(const Image& image, double cx, double cy, int min_luma) {
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
