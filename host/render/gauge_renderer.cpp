#include "gauge_renderer.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace panelhost::render {
namespace {

// Shifts and moves farther than this are off any gauge; they are not drawn,
// which also keeps them out of the rasteriser's integer range.
constexpr double kFarAway = 1.0e6;

template <typename Element>
const Element& as(const ELEMENT_HEADER* element) {
  return *reinterpret_cast<const Element*>(element);
}

bool transparent(const ELEMENT_HEADER* element) { return (element->image_flags & IMAGE_USE_TRANSPARENCY) != 0; }

bool axis_constant(const MODULE_VAR& var, const void* callback) { return var.id == 0 && callback == nullptr; }

template <typename Callback>
const void* code(Callback callback) {
  return reinterpret_cast<const void*>(callback);
}

bool constant_element(const ELEMENT_HEADER* element) {
  switch (element->kind) {
    case ELEMENT_KIND_NEEDLE: {
      const auto& needle = as<ELEMENT_NEEDLE>(element);
      return axis_constant(needle.source_var, code(needle.value_callback));
    }
    case ELEMENT_KIND_ICON: {
      const auto& icon = as<ELEMENT_ICON>(element);
      return axis_constant(icon.source_var, code(icon.value_callback));
    }
    case ELEMENT_KIND_MOVING_IMAGE: {
      const auto& image = as<ELEMENT_MOVING_IMAGE>(element);
      return axis_constant(image.source_var_x, code(image.value_callback_x)) &&
             axis_constant(image.source_var_y, code(image.value_callback_y));
    }
    case ELEMENT_KIND_SPRITE: {
      const auto& sprite = as<ELEMENT_SPRITE>(element);
      return axis_constant(sprite.source_var_x, code(sprite.value_callback_x)) &&
             axis_constant(sprite.source_var_y, code(sprite.value_callback_y)) &&
             axis_constant(sprite.source_var_rotation, code(sprite.value_callback_rotation));
    }
    case ELEMENT_KIND_SLIDER: {
      const auto& slider = as<ELEMENT_SLIDER>(element);
      return axis_constant(slider.source_var_x, code(slider.value_callback_x)) &&
             axis_constant(slider.source_var_y, code(slider.value_callback_y));
    }
    default: return true;
  }
}

// Where a moving image's value lies on its axis, as a whole-pixel shift of
// the strip; nothing for a NaN on an axis that moves.
std::optional<double> strip_shift(double value, double minimum, double maximum, std::int32_t strip,
                                  std::int32_t window) {
  const double range = maximum - minimum;
  if (range == 0.0 || !std::isfinite(range)) return 0.0;
  if (std::isnan(value)) return std::nullopt;
  const double along = std::clamp((value - minimum) / range, 0.0, 1.0);
  return std::round(along * static_cast<double>(strip - window));
}

// value × scale; an axis with scale 0 stays still whatever its value.
std::optional<double> scaled(double value, double scale) {
  if (scale == 0.0) return 0.0;
  const double product = value * scale;
  if (!std::isfinite(product) || std::abs(product) > kFarAway) return std::nullopt;
  return product;
}

}  // namespace

// --- Bitmap sources ----------------------------------------------------------

std::optional<Bitmap> ModuleBitmaps::find(std::uint32_t id) const {
  const auto bytes = module_.resource(kResourceTypeBitmap, id);
  if (!bytes) return std::nullopt;
  try {
    return decode_bitmap(*bytes, bitmap_name(id));
  } catch (const BitmapError& error) {
    throw RenderError(error.what());
  }
}

std::optional<Bitmap> BitmapMap::find(std::uint32_t id) const {
  const auto found = bitmaps_.find(id);
  if (found == bitmaps_.end()) return std::nullopt;
  return found->second;
}

// --- Renderer ----------------------------------------------------------------

GaugeRenderer::GaugeRenderer(std::vector<ElementNode> elements, PIXSIZE size, const BitmapSource& bitmaps,
                             std::string what)
    : elements_(std::move(elements)), size_(size), what_(std::move(what)) {
  if (size_.x <= 0 || size_.y <= 0)
    throw RenderError(fmt::format("{}: the background has no size ({}x{})", what_, size_.x, size_.y));
  art_.resize(elements_.size());
  states_.resize(elements_.size());
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    load_art(i, bitmaps);
    for (const Image& picture : art_[i].pictures) art_[i].boxes.push_back(picture.drawn_box());
  }
  // The moving stretch: from the first element any value moves to the last.
  first_moving_ = elements_.size();
  end_moving_ = 0;
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    if (art_[i].constant) continue;
    first_moving_ = std::min(first_moving_, i);
    end_moving_ = i + 1;
  }
  if (end_moving_ == 0) first_moving_ = end_moving_ = elements_.size();
  picture_ = Image(size_.x, size_.y);
}

GaugeRenderer GaugeRenderer::for_gauge(const GaugeInstance& gauge) {
  const ModuleBitmaps bitmaps(gauge.module());
  return GaugeRenderer(gauge.elements(), gauge.size(), bitmaps,
                       fmt::format("{}: gauge \"{}\"", gauge.module().path().filename().string(), gauge.name()));
}

std::size_t GaugeRenderer::moving_elements() const { return end_moving_ - first_moving_; }

void GaugeRenderer::load_art(std::size_t index, const BitmapSource& bitmaps) {
  const ELEMENT_HEADER* element = elements_[index].element;
  Art& art = art_[index];
  art.constant = constant_element(element);
  const auto fetch = [&](std::uint32_t id, const char* role) {
    const std::string where =
        fmt::format("{}: element {} ({}): {} {}", what_, index, element_kind_name(element->kind), role, bitmap_name(id));
    std::optional<Bitmap> bitmap;
    try {
      bitmap = bitmaps.find(id);
    } catch (const std::exception& error) {
      // A bitmap that is there but cannot be read: its id is in the message.
      throw RenderError(fmt::format("{}: element {} ({}): {}", what_, index, element_kind_name(element->kind),
                                    error.what()));
    }
    if (!bitmap) throw RenderError(where + ": the module has no such bitmap");
    return std::move(*bitmap);
  };
  const bool keyed = transparent(element);
  switch (element->kind) {
    case ELEMENT_KIND_ICON: {
      const auto& icon = as<ELEMENT_ICON>(element);
      for (std::uint32_t n = 0; n < icon.picture_count; ++n)
        art.pictures.push_back(image_from_bitmap(fetch(element->bitmap_id + n, "picture"), keyed));
      break;
    }
    case ELEMENT_KIND_MOVING_IMAGE:
    case ELEMENT_KIND_SPRITE:
      art.pictures.push_back(image_from_bitmap(fetch(element->bitmap_id, "bitmap"), keyed));
      art.window = mask_from_bitmap(fetch(element->bitmap_id + 1, "window"));
      break;
    case ELEMENT_KIND_NEEDLE: {
      const auto& needle = as<ELEMENT_NEEDLE>(element);
      art.pictures.push_back(image_from_bitmap(fetch(element->bitmap_id, "bitmap"), keyed));
      art.calibration = NeedleCalibration(element->position, {needle.nonlinearity, needle.nonlinearity_rows});
      art.motion = NeedleMotion(needle.max_degrees_per_tick);
      break;
    }
    default: art.pictures.push_back(image_from_bitmap(fetch(element->bitmap_id, "bitmap"), keyed)); break;
  }
}

ElementState GaugeRenderer::next_state(std::size_t index, const ElementValues& values) {
  const ELEMENT_HEADER* element = elements_[index].element;
  Art& art = art_[index];
  ElementState state;
  switch (element->kind) {
    case ELEMENT_KIND_STATIC_IMAGE: state.shown = true; break;
    case ELEMENT_KIND_NEEDLE:
      art.motion.step(art.calibration.angle(values.value[0]));
      state.shown = art.motion.placed();
      state.value[0] = art.motion.angle();
      break;
    case ELEMENT_KIND_ICON: {
      const double n = values.value[0];
      state.shown = std::isfinite(n) && n >= 0.0 && std::floor(n) == n &&
                    n < static_cast<double>(as<ELEMENT_ICON>(element).picture_count);
      state.value[0] = state.shown ? n : 0.0;
      break;
    }
    case ELEMENT_KIND_MOVING_IMAGE: {
      const auto& image = as<ELEMENT_MOVING_IMAGE>(element);
      const Image& strip = art.pictures.front();
      const auto x = strip_shift(values.value[0], image.min_x, image.max_x, strip.width(), art.window.width());
      const auto y = strip_shift(values.value[1], image.min_y, image.max_y, strip.height(), art.window.height());
      state.shown = x && y;
      if (state.shown) state.value = {*x, *y, 0.0};
      break;
    }
    case ELEMENT_KIND_SPRITE: {
      const auto& sprite = as<ELEMENT_SPRITE>(element);
      const auto x = scaled(values.value[0], sprite.scale_x);
      const auto y = scaled(values.value[1], sprite.scale_y);
      const auto turn = scaled(values.value[2], sprite.scale_rotation);
      state.shown = x && y && turn && std::isfinite(sprite.texture_scale_x) && std::isfinite(sprite.texture_scale_y) &&
                    sprite.texture_scale_x != 0.0f && sprite.texture_scale_y != 0.0f;
      if (state.shown) state.value = {*x, *y, std::remainder(*turn, 2.0 * std::numbers::pi)};
      break;
    }
    case ELEMENT_KIND_SLIDER: {
      const auto& slider = as<ELEMENT_SLIDER>(element);
      const auto x = scaled(values.value[0], slider.scale_x);
      const auto y = scaled(values.value[1], slider.scale_y);
      state.shown = x && y;
      if (state.shown) state.value = {std::round(*x), std::round(*y), 0.0};
      break;
    }
    default: break;
  }
  return state;
}

bool GaugeRenderer::advance(std::span<const ElementValues> values) {
  if (values.size() != elements_.size())
    throw RenderError(fmt::format("{}: {} element values for {} elements", what_, values.size(), elements_.size()));
  bool changed = false;
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    const ElementState state = next_state(i, values[i]);
    if (state == states_[i] && layers_valid_) continue;
    if (state != states_[i]) {
      changed = true;
      // A layer holds this element: it has to be drawn again.
      if (i < first_moving_ || i >= end_moving_) {
        layers_valid_ = false;
        ++layers_version_;
      }
    }
    states_[i] = state;
  }
  if (changed || !layers_valid_) picture_valid_ = false;
  return changed;
}

namespace {

// A picture at (x, y), composited only where it is not clear.
void paint_picture(cairo_t* context, const Image& picture, const Image::Box& box, double x, double y) {
  if (box.width == 0) return;
  cairo_set_source_surface(context, picture.surface(), x, y);
  cairo_rectangle(context, x + box.x, y + box.y, box.width, box.height);
  cairo_fill(context);
}

}  // namespace

void GaugeRenderer::paint(cairo_t* context, std::size_t index) const {
  const ElementState& state = states_[index];
  if (!state.shown) return;
  const ELEMENT_HEADER* element = elements_[index].element;
  const Art& art = art_[index];
  const double x = element->position.x;
  const double y = element->position.y;
  cairo_save(context);
  switch (element->kind) {
    case ELEMENT_KIND_STATIC_IMAGE: paint_picture(context, art.pictures.front(), art.boxes.front(), x, y); break;
    case ELEMENT_KIND_ICON: {
      const auto n = static_cast<std::size_t>(state.value[0]);
      paint_picture(context, art.pictures[n], art.boxes[n], x, y);
      break;
    }
    case ELEMENT_KIND_NEEDLE: {
      // The bitmap points along +x, which is 90 degrees on the dial.
      const double turn = (wrap_degrees(state.value[0]) - 90.0) * std::numbers::pi / 180.0;
      cairo_translate(context, x, y);
      cairo_rotate(context, turn);
      cairo_set_source_surface(context, art.pictures.front().surface(), -element->pivot_offset.x,
                               -element->pivot_offset.y);
      cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_BILINEAR);
      cairo_paint(context);
      break;
    }
    case ELEMENT_KIND_MOVING_IMAGE:
      cairo_set_source_surface(context, art.pictures.front().surface(), x - state.value[0], y - state.value[1]);
      cairo_mask_surface(context, art.window.surface(), x, y);
      break;
    case ELEMENT_KIND_SPRITE: {
      const auto& sprite = as<ELEMENT_SPRITE>(element);
      const double centre_x = x + art.window.width() / 2.0;
      const double centre_y = y + art.window.height() / 2.0;
      // Texture to gauge: pivot to origin, texture scale, move, turn about
      // the window's centre.
      cairo_matrix_t texture_to_gauge;
      cairo_matrix_init_translate(&texture_to_gauge, -element->pivot_offset.x, -element->pivot_offset.y);
      cairo_matrix_t step;
      cairo_matrix_init_scale(&step, sprite.texture_scale_x, sprite.texture_scale_y);
      cairo_matrix_multiply(&texture_to_gauge, &texture_to_gauge, &step);
      cairo_matrix_init_translate(&step, state.value[0], state.value[1]);
      cairo_matrix_multiply(&texture_to_gauge, &texture_to_gauge, &step);
      cairo_matrix_init_rotate(&step, state.value[2]);
      cairo_matrix_multiply(&texture_to_gauge, &texture_to_gauge, &step);
      cairo_matrix_init_translate(&step, centre_x, centre_y);
      cairo_matrix_multiply(&texture_to_gauge, &texture_to_gauge, &step);
      cairo_matrix_t gauge_to_texture = texture_to_gauge;
      if (cairo_matrix_invert(&gauge_to_texture) != CAIRO_STATUS_SUCCESS) break;
      cairo_pattern_t* pattern = cairo_pattern_create_for_surface(art.pictures.front().surface());
      cairo_pattern_set_matrix(pattern, &gauge_to_texture);
      cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
      cairo_set_source(context, pattern);
      cairo_pattern_destroy(pattern);
      cairo_mask_surface(context, art.window.surface(), x, y);
      break;
    }
    case ELEMENT_KIND_SLIDER:
      paint_picture(context, art.pictures.front(), art.boxes.front(), x + state.value[0], y + state.value[1]);
      break;
    default: break;
  }
  cairo_restore(context);
}

void GaugeRenderer::build_layers() {
  const auto layer = [&](std::size_t from, std::size_t to) {
    if (from >= to) return Image();
    Image image(size_.x, size_.y);
    const ContextPtr context = image.context();
    for (std::size_t i = from; i < to; ++i) paint(context.get(), i);
    check(context.get(), what_);
    return image;
  };
  under_ = layer(0, first_moving_);
  over_ = layer(end_moving_, elements_.size());
  if (over_) over_box_ = over_.drawn_box();
  layers_valid_ = true;
}

void GaugeRenderer::paint_under(cairo_t* context) {
  if (!layers_valid_) build_layers();
  if (!under_) return;
  cairo_set_source_surface(context, under_.surface(), 0, 0);
  cairo_paint(context);
}

void GaugeRenderer::paint_moving(cairo_t* context) const {
  for (std::size_t i = first_moving_; i < end_moving_; ++i) paint(context, i);
}

void GaugeRenderer::paint_moving_onto(const Image& target, PIXPOINT origin, Image::Box clip, cairo_t* context) const {
  for (std::size_t i = first_moving_; i < end_moving_; ++i) {
    const ElementState& state = states_[i];
    if (!state.shown) continue;
    const ELEMENT_HEADER* element = elements_[i].element;
    const Art& art = art_[i];
    std::size_t picture = 0;
    double shift_x = 0.0, shift_y = 0.0;
    switch (element->kind) {
      case ELEMENT_KIND_STATIC_IMAGE: break;
      case ELEMENT_KIND_ICON: picture = static_cast<std::size_t>(state.value[0]); break;
      case ELEMENT_KIND_SLIDER:
        shift_x = state.value[0];
        shift_y = state.value[1];
        break;
      default:
        paint(context, i);
        continue;
    }
    const Image::Box& box = art.boxes[picture];
    if (box.width == 0) continue;
    // Whole pixels, and within a million of the gauge (next_state saw to it).
    const auto x = static_cast<std::int32_t>(origin.x + element->position.x + shift_x) + box.x;
    const auto y = static_cast<std::int32_t>(origin.y + element->position.y + shift_y) + box.y;
    blit(art.pictures[picture], box, target, x, y, clip, PIXMAN_OP_OVER);
  }
}

void GaugeRenderer::paint_over_onto(const Image& target, PIXPOINT origin, Image::Box clip) {
  if (!layers_valid_) build_layers();
  if (over_ && over_box_.width > 0)
    blit(over_, over_box_, target, origin.x + over_box_.x, origin.y + over_box_.y, clip, PIXMAN_OP_OVER);
}

void GaugeRenderer::paint_over(cairo_t* context) {
  if (!layers_valid_) build_layers();
  if (over_) paint_picture(context, over_, over_box_, 0, 0);
}

void GaugeRenderer::redraw() {
  const ContextPtr context = picture_.context();
  cairo_t* cr = context.get();
  if (!layers_valid_) build_layers();
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  if (under_) {
    paint_under(cr);
  } else {
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
    cairo_paint(cr);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  paint_moving(cr);
  paint_over(cr);
  check(cr, what_);
  picture_valid_ = true;
}

const Image& GaugeRenderer::picture() {
  if (!picture_valid_) redraw();
  return picture_;
}

}  // namespace panelhost::render
