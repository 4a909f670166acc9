// Drawing one gauge: its element tree, in drawing order, from the bitmaps of
// its module and the values of the last update.
//
// What each element kind shows, in pixels of the gauge's background:
//
//  - static image: its bitmap at its position.
//  - needle: its bitmap turned about its pivot offset, which sits at the
//    element's position, to the angle its calibration gives for the value
//    (calibration.h), turning at most its degrees per tick after the first
//    update.
//  - icon: picture base + n for a value n. A value that is not a whole number
//    from 0 to count - 1 (negative, too large, fractional, NaN, infinite)
//    draws no picture at all: an icon never guesses which picture was meant.
//  - moving image: the strip (bitmap id) seen through its window (bitmap id
//    + 1), placed at the element's position. On each axis the strip is
//    shifted by where the value lies between the axis's minimum and maximum:
//    at the minimum the strip's top-left corner lies on the window's, at the
//    maximum its bottom-right corner does; values beyond the ends hold at the
//    ends, and an axis whose minimum equals its maximum does not move. The
//    shift is rounded to whole pixels so that strip lettering stays sharp.
//  - sprite: the texture (bitmap id) seen through its window (bitmap id + 1),
//    whose top-left corner is the element's position. The texture's pivot
//    offset lies on the window's centre; the texture is scaled by its
//    texture scale, moved by value × scale pixels along its own x and y, and
//    the whole is turned about the window's centre by rotation value × scale
//    radians, clockwise on screen. Moving before turning keeps a horizon
//    sliding across itself when it is banked.
//  - slider: its bitmap shifted from its position by value × scale pixels on
//    each axis, rounded to whole pixels.
//
// Windows are masks: window pixels that are not pure black show the strip or
// texture, pure black ones show nothing. With image flag bit 0, pure black
// pixels of an element's own bitmaps are transparent. Children are drawn
// after their parent, in child-list order (the host's drawing order). The
// erase flag (bit 1) asks nothing more of this host, which repaints a changed
// gauge whole from its layers; failure tables are not acted on, as the
// stand-in simulates no failures.
//
// Values that cannot be placed draw nothing for that element: a NaN on a
// moving axis, or a shift or turn that is not finite or lies more than a
// million pixels away. A needle never disappears: a target it cannot reach
// (NaN, infinity) leaves it where it was.
//
// What never changes is drawn once: the elements before the first element
// that any value moves are kept as an under-layer and those after the last
// one as an over-layer, and a redraw paints only the moving elements between
// them. Elements whose axes have no variable and no callback (static images,
// overlay icons) never change.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calibration.h"
#include "canvas.h"
#include "module_library.h"
#include "panel_host.h"
#include "record_check.h"

namespace panelhost::render {

// Where the renderer takes its bitmaps from.
class BitmapSource {
 public:
  virtual ~BitmapSource() = default;
  // The bitmap, or nothing if the source lacks it; throws RenderError if it
  // is there but cannot be decoded.
  virtual std::optional<Bitmap> find(std::uint32_t id) const = 0;
};

// A module's bitmap resources.
class ModuleBitmaps : public BitmapSource {
 public:
  explicit ModuleBitmaps(const ModuleLibrary& module) : module_(module) {}
  std::optional<Bitmap> find(std::uint32_t id) const override;

 private:
  const ModuleLibrary& module_;
};

// Bitmaps held in memory, by id.
class BitmapMap : public BitmapSource {
 public:
  void add(std::uint32_t id, Bitmap bitmap) { bitmaps_[id] = std::move(bitmap); }
  std::optional<Bitmap> find(std::uint32_t id) const override;

 private:
  std::map<std::uint32_t, Bitmap> bitmaps_;
};

// What an element shows after an update. `value` holds per kind: needle
// angle (degrees, not wrapped); icon picture number; moving image strip shift
// x, y; sprite move x, y and turn (radians); slider shift x, y.
struct ElementState {
  bool shown = false;
  std::array<double, 3> value{};
  bool operator==(const ElementState&) const = default;
};

class GaugeRenderer {
 public:
  // `elements` in drawing order (as the record check walks them); `size` is
  // the background's size; `what` names the gauge in error messages. Every
  // bitmap an element needs is loaded here: a missing or broken one throws
  // RenderError naming the element and the bitmap id.
  GaugeRenderer(std::vector<ElementNode> elements, PIXSIZE size, const BitmapSource& bitmaps, std::string what);

  // A gauge of the host, drawn from its module's bitmaps.
  static GaugeRenderer for_gauge(const GaugeInstance& gauge);

  // Takes one update's values, one entry per element; returns whether the
  // picture changes. Needles turn here, once per call.
  bool advance(std::span<const ElementValues> values);

  // The gauge's picture as of the last advance, redrawn only if it changed.
  const Image& picture();

  // The same picture in three parts, for drawing straight onto a larger
  // picture (the context's user space is the gauge's pixel space): the
  // under-layer, the moving elements, the over-layer. The layers change only
  // when layers_version() does.
  void paint_under(cairo_t* context);
  void paint_moving(cairo_t* context) const;
  void paint_over(cairo_t* context);
  std::uint64_t layers_version() const { return layers_version_; }

  // The moving elements and the over-layer straight onto `target`, the
  // gauge's top-left corner at `origin`, nothing outside `clip` (target
  // pixels). Pictures at whole-pixel places (static images, icons, sliders,
  // the over-layer) go through pixman directly; turned, moved or masked ones
  // through `context`, which draws on `target` already translated to
  // `origin` and clipped to `clip`.
  void paint_moving_onto(const Image& target, PIXPOINT origin, Image::Box clip, cairo_t* context) const;
  void paint_over_onto(const Image& target, PIXPOINT origin, Image::Box clip);

  PIXSIZE size() const { return size_; }
  const std::vector<ElementState>& states() const { return states_; }
  const std::vector<ElementNode>& elements() const { return elements_; }
  // How many elements a redraw paints (the rest sit in the cached layers).
  std::size_t moving_elements() const;

 private:
  struct Art {
    std::vector<Image> pictures;  // the element's bitmap(s); icons: one per picture
    std::vector<Image::Box> boxes;  // each picture's drawn box
    Image window;                 // moving image and sprite: the window mask
    NeedleCalibration calibration;
    NeedleMotion motion;
    bool constant = false;  // no axis has a variable or a callback
  };

  void load_art(std::size_t index, const BitmapSource& bitmaps);
  ElementState next_state(std::size_t index, const ElementValues& values);
  void paint(cairo_t* context, std::size_t index) const;
  void build_layers();
  void redraw();

  std::vector<ElementNode> elements_;
  PIXSIZE size_;
  std::string what_;
  std::vector<Art> art_;
  std::vector<ElementState> states_;
  std::size_t first_moving_ = 0;  // elements [first_moving_, end_moving_) are redrawn
  std::size_t end_moving_ = 0;
  Image under_;
  Image over_;
  Image::Box over_box_;
  Image picture_;
  bool layers_valid_ = false;
  bool picture_valid_ = false;
  std::uint64_t layers_version_ = 0;
};

}  // namespace panelhost::render
