// Where things lie in the engine instruments' and controls' pictures: the
// overlays keep the scales and the needles' sweep clear and the needles reach
// the graduations; icon pictures are transparent round what they draw and
// sit on panels that show the same switch and lamp beneath them; handles,
// legends and letters are where the clicks go.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "art_support.h"
#include "catalogue.h"

namespace art_checks {
namespace {

using artgen::Image;
using artgen::Rgb;

constexpr double kPi = 3.14159265358979323846;

const artgen::Scale& scale_of(int dial_id) {
  static const artgen::Catalogue all = artgen::catalogue();
  for (const artgen::Scale& s : all.scales)
    if (s.bitmap_id == dial_id) return s;
  throw std::runtime_error("no scale on bitmap " + std::to_string(dial_id));
}

// Host angle of a value, by the same rule the scale checks use.
double angle_of(const artgen::Scale& s, double value) {
  std::vector<double> angles(s.rows.size());
  artgen::row_angles(s.rows, s.pivot, angles);
  for (std::size_t i = 0; i + 1 < s.rows.size(); ++i) {
    const double v0 = s.rows[i].value;
    const double v1 = s.rows[i + 1].value;
    if ((value - v0) * (value - v1) <= 0.0) return angles[i] + (value - v0) / (v1 - v0) * (angles[i + 1] - angles[i]);
  }
  return angles.back();
}

Rgb pixel_at(const Image& image, double x, double y) {
  return image.at(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

// --- Dials, needles and overlays -------------------------------------------------

struct NeedleOnDial {
  int dial;
  int needle;
  int pivot_x;      // in the needle bitmap
  int overlay;      // 0: none, the needle is drawn last
  double clear_in;  // the overlay is clear from this radius out to the graduations
};

constexpr NeedleOnDial kNeedlesOnDials[] = {
    // dial   needle  pivot x overlay  clear from
    {0x1F00, 0x2000, 3,      0x2100, 16.0},  // tachometers: centre cap r 14.5
    {0x2500, 0x2600, 1,      0x2700, 6.0},   // temperatures: hub cap r 5
    {0x4300, 0x4400, 3,      0,      0.0},   // fuel pressure
    {0x4700, 0x4800, 3,      0,      0.0},   // oil pressure
    {0x4B00, 0x4C00, 15,     0,      0.0},   // manifold pressure
};

TEST(EngineLayout, NeedlesReachTheGraduations) {
  for (const NeedleOnDial& n : kNeedlesOnDials) {
    const artgen::Scale& s = scale_of(n.dial);
    const double reach = vt(n.needle).image.width() - (n.pivot_x + 0.5);
    EXPECT_GE(reach, s.r_in) << std::hex << "needle 0x" << n.needle;
    EXPECT_LT(reach, s.r_out + 6.0) << std::hex << "needle 0x" << n.needle;
  }
}

TEST(EngineLayout, OverlaysLeaveTheScaleAndTheNeedlesSweepClear) {
  for (const NeedleOnDial& n : kNeedlesOnDials) {
    if (n.overlay == 0) continue;
    SCOPED_TRACE(testing::Message() << std::hex << "overlay 0x" << n.overlay);
    const artgen::Scale& s = scale_of(n.dial);
    const Image& overlay = vt(n.overlay).image;
    const double a0 = angle_of(s, s.marks.front());
    const double a1 = angle_of(s, s.marks.back());
    int covered = 0;
    for (double a = std::min(a0, a1); a <= std::max(a0, a1); a += 0.5)
      for (double r = n.clear_in; r <= s.r_out; r += 0.5) {
        const double x = s.pivot.x + 0.5 + r * std::cos(a * kPi / 180.0);
        const double y = s.pivot.y + 0.5 + r * std::sin(a * kPi / 180.0);
        covered += is_black(pixel_at(overlay, x, y)) ? 0 : 1;
      }
    EXPECT_EQ(covered, 0);
  }
}

// --- Icon pictures -------------------------------------------------------------------

struct Shape {
  enum Kind { disc, rect } kind;
  double a, b, c, d;  // disc: centre x, y and radius; rect: x0, y0, x1, y1 inclusive
  bool holds(int x, int y) const {
    if (kind == rect) return x >= a && x <= c && y >= b && y <= d;
    return std::hypot(x + 0.5 - a, y + 0.5 - b) <= c;
  }
};

struct Transparent {
  int id;
  std::vector<Shape> drawn;  // everything visible lies within these
};

const Transparent kTransparentAround[] = {
    {0x1700, {{Shape::disc, 64, 72, 25, 0}, {Shape::disc, 64, 24, 14, 0}}},  // battery: knob and lamp
    {0x1701, {{Shape::disc, 64, 72, 25, 0}, {Shape::disc, 64, 24, 14, 0}}},
    {0x5C00, {{Shape::disc, 16, 16, 16, 0}}},                                // the lamp pictures
    {0x5C01, {{Shape::disc, 16, 16, 16, 0}}},
    {0x6801, {{Shape::disc, 16, 16, 16, 0}}},
    {0x5D00, {{Shape::rect, 18, 0, 45, 63}}},                                // toggle switches
    {0x5D01, {{Shape::rect, 18, 0, 45, 63}}},
};

TEST(ControlLayout, IconPicturesAreTransparentRoundWhatTheyDraw) {
  for (const Transparent& t : kTransparentAround) {
    SCOPED_TRACE(testing::Message() << std::hex << "bitmap 0x" << t.id);
    const Image& image = vt(t.id).image;
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        bool inside = false;
        for (const Shape& s : t.drawn) inside |= s.holds(x, y);
        stray += !inside && !is_black(image.at(x, y)) ? 1 : 0;
      }
    EXPECT_EQ(stray, 0);
  }
}

TEST(ControlLayout, BatteryHandlePointsAtItsMark) {
  struct Case {
    int id;
    double degrees;  // clockwise from +x
  };
  // Off: towards the mark at the lower right; on: towards the lower left.
  const Case cases[] = {{0x1700, 45.0}, {0x1701, 135.0}};
  for (const Case& c : cases) {
    // The white line along the handle, seen from the knob's centre (64, 72);
    // the lamp above is left out by looking below row 48.
    Image lower = vt(c.id).image;
    lower.fill_rect(0, 0, 127, 47, artgen::kTransparent);
    EXPECT_NEAR(lean(lower, 64.0, 72.5, 200).degrees, c.degrees, 4.0) << std::hex << c.id;
  }
}

// A panel shows, where an icon lies, the icon's first picture (lever down or
// lamp unlit), so the panel reads right before the host draws the icon.
struct UnderIcon {
  int panel;
  int icon;
  int x;  // icon position on the panel
  int y;
};

constexpr UnderIcon kUnderIcons[] = {
    // panel  icon    position
    {0x5B00, 0x5C00, 96, 16},   // autopilot lamp
    {0x5B00, 0x5D00, 80, 48},   // upper right switch
    {0x5B00, 0x5E00, 0, 48},    // upper left
    {0x5B00, 0x5F00, 0, 128},   // lower left
    {0x5B00, 0x6000, 80, 128},  // lower right
    {0x6500, 0x6700, 0, 128},   // bombing switch
    {0x6500, 0x6600, 16, 48},   // red lamp
    {0x6500, 0x6800, 16, 80},   // green lamp
};

TEST(ControlLayout, PanelsShowTheFirstPictureWhereEachIconLies) {
  for (const UnderIcon& u : kUnderIcons) {
    SCOPED_TRACE(testing::Message() << std::hex << "panel 0x" << u.panel << ", icon 0x" << u.icon);
    const Image& panel = vt(u.panel).image;
    const Image& icon = vt(u.icon).image;
    double difference = 0.0;
    int n = 0;
    for (int y = 1; y < icon.height() - 1; ++y)
      for (int x = 1; x < icon.width() - 1; ++x) {
        const Rgb i = icon.at(x, y);
        // Inner pixels only: edges blend into different grounds.
        bool inner = !is_black(i);
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) inner = inner && !is_black(icon.at(x + dx, y + dy));
        if (!inner) continue;
        difference += std::abs(luma(i) - luma(panel.at(u.x + x, u.y + y)));
        ++n;
      }
    ASSERT_GT(n, 200);
    EXPECT_LT(difference / n, 6.0);
  }
}

// --- Lettering -------------------------------------------------------------------------

bool reddish(Rgb c) { return c.r > 120 && c.r > c.g + 60 && c.r > c.b + 60; }

TEST(ControlLayout, EjectionLegendIsInsideTheClickArea) {
  const Image& handle = vt(0x6900).image;
  int inside = 0;
  int outside = 0;
  // Within the yellow, clear of the rim, red is only the legend.
  for (int y = 12; y <= 28; ++y)
    for (int x = 36; x <= 219; ++x) {
      if (!reddish(handle.at(x, y))) continue;
      const bool in_area = x >= 77 && x <= 176 && y >= 11 && y <= 28;
      (in_area ? inside : outside) += 1;
    }
  EXPECT_GT(inside, 150);
  EXPECT_EQ(outside, 0);
}

TEST(ControlLayout, ConsoleButtonsFillTheirBitmapsAndCarryTheirOwnLetters) {
  const int ids[] = {0x5400, 0x5500, 0x5600};  // L, R, E
  for (const int id : ids) {
    const Image& button = vt(id).image;
    int letter = 0;
    for (int y = 0; y < 19; ++y)
      for (int x = 0; x < 19; ++x) {
        EXPECT_FALSE(is_black(button.at(x, y))) << std::hex << id << " " << std::dec << x << "," << y;
        // Dark lettering on the grey key, in its middle.
        if (luma(button.at(x, y)) < 60) {
          ++letter;
          EXPECT_TRUE(x >= 3 && x <= 15 && y >= 3 && y <= 15) << std::hex << id << " " << std::dec << x << "," << y;
        }
      }
    EXPECT_GT(letter, 12) << std::hex << id;
  }
  EXPECT_NE(vt(0x5400).image, vt(0x5500).image);
  EXPECT_NE(vt(0x5400).image, vt(0x5600).image);
  EXPECT_NE(vt(0x5500).image, vt(0x5600).image);
}

TEST(ControlLayout, AutopilotIsLetteredAboveItsLamp) {
  const Image& panel = vt(0x5B00).image;
  int bright = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 96; x < 128; ++x) bright += luma(panel.at(x, y)) > 180 ? 1 : 0;
  EXPECT_GT(bright, 30);
}

}  // namespace
}  // namespace art_checks
