#include "panel.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "hotspots.h"

namespace panelhost::panel {
namespace {

std::string at_line(const Layout& layout, std::size_t line) { return fmt::format("{}:{}", layout.source, line); }

}  // namespace

Panel::Panel(PanelHost& host, Layout layout, const std::filesystem::path& modules_dir)
    : host_(host), layout_(std::move(layout)) {
  if (layout_.windows.empty()) throw LayoutError(layout_.source + ": no window");
  for (std::size_t w = 0; w < layout_.windows.size(); ++w) {
    const PanelWindow& window = layout_.windows[w];
    for (const GaugePlacement& placement : window.gauges) {
      const std::string where = at_line(layout_, placement.line);
      const std::filesystem::path file = modules_dir / (placement.module + ".gau");
      if (!std::filesystem::exists(file))
        throw LayoutError(fmt::format("{}: unknown module \"{}\": {} does not exist", where, placement.module,
                                      file.string()));
      PlacedGauge placed;
      placed.placement = &placement;
      placed.window = w;
      try {
        ModuleLibrary& module = host_.load(file);
        placed.gauge = &host_.install(module, placement.gauge);
      } catch (const std::exception& error) {
        throw LayoutError(fmt::format("{}: {}", where, error.what()));
      }
      const PIXSIZE own = placed.gauge->size();
      placed.size = own;
      if (placement.width) {
        placed.size.x = *placement.width;
        placed.size.y = placement.height ? *placement.height
                                         : std::max(1, static_cast<std::int32_t>(std::lround(
                                                           static_cast<double>(*placement.width) * own.y / own.x)));
      }
      const Rect area = window_rect(w);
      placed.origin = {area.x + placement.at.x, area.y + placement.at.y};
      if (placement.at.x < 0 || placement.at.y < 0 || placement.at.x + placed.size.x > window.size.x ||
          placement.at.y + placed.size.y > window.size.y)
        throw LayoutError(fmt::format("{}: {} at {},{} with size {}x{} does not fit in [{}] ({}x{})", where,
                                      placement.reference(), placement.at.x, placement.at.y, placed.size.x,
                                      placed.size.y, window.section, window.size.x, window.size.y));
      try {
        placed.renderer = std::make_unique<render::GaugeRenderer>(render::GaugeRenderer::for_gauge(*placed.gauge));
      } catch (const std::exception& error) {
        throw LayoutError(fmt::format("{}: {}", where, error.what()));
      }
      gauges_.push_back(std::move(placed));
    }
  }
  frame_ = render::Image(size().x, size().y, CAIRO_FORMAT_RGB24);
  base_ = render::Image(size().x, size().y, CAIRO_FORMAT_RGB24);
  shown_.assign(layout_.windows.size(), false);

  // Which gauges can be drawn straight onto the panel picture.
  const auto meets = [](Rect a, Rect b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
  };
  for (PlacedGauge& placed : gauges_) {
    const Rect box{placed.origin.x, placed.origin.y, placed.size.x, placed.size.y};
    const PIXSIZE own = placed.gauge->size();
    bool alone = placed.size.x == own.x && placed.size.y == own.y;
    for (const PlacedGauge& other : gauges_)
      if (&other != &placed && meets(box, {other.origin.x, other.origin.y, other.size.x, other.size.y})) alone = false;
    for (std::size_t w = 1; w < layout_.windows.size(); ++w)
      if (w != placed.window && meets(box, window_rect(w))) alone = false;
    placed.direct = alone;
  }
}

Panel::Rect Panel::window_rect(std::size_t window) const {
  const PanelWindow& w = layout_.windows[window];
  return {w.position.x, w.position.y, w.size.x, w.size.y};
}

bool Panel::window_shown(std::size_t window) const {
  const PanelWindow& w = layout_.windows.at(window);
  if (window == 0) return true;
  const bool toggled = w.ident && host_.window_open(*w.ident);
  return w.visible != toggled;
}

PlacedGauge* Panel::find(std::string_view reference) {
  for (PlacedGauge& placed : gauges_)
    if (placed.placement->reference() == reference) return &placed;
  return nullptr;
}

void Panel::update() {
  for (PlacedGauge& placed : gauges_) {
    host_.update(*placed.gauge);
    if (placed.renderer->advance(placed.gauge->values())) placed.dirty = true;
  }
}

void Panel::repaint(cairo_t* context, Rect rect) {
  const auto meets = [](Rect a, Rect b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
  };
  cairo_save(context);
  cairo_rectangle(context, rect.x, rect.y, rect.width, rect.height);
  cairo_clip(context);
  for (std::size_t w = 0; w < layout_.windows.size(); ++w) {
    if (!shown_[w]) continue;
    const Rect area = window_rect(w);
    if (!meets(area, rect)) continue;
    const std::uint32_t rgb = layout_.windows[w].background_rgb;
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(context, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
    cairo_rectangle(context, area.x, area.y, area.width, area.height);
    cairo_fill(context);
    cairo_set_operator(context, CAIRO_OPERATOR_OVER);
    for (PlacedGauge& placed : gauges_) {
      if (placed.window != w) continue;
      const Rect box{placed.origin.x, placed.origin.y, placed.size.x, placed.size.y};
      if (!meets(box, rect)) continue;
      const render::Image& picture = placed.renderer->picture();
      cairo_save(context);
      cairo_translate(context, placed.origin.x, placed.origin.y);
      const bool scaled = placed.size.x != picture.width() || placed.size.y != picture.height();
      if (scaled)
        cairo_scale(context, static_cast<double>(placed.size.x) / picture.width(),
                    static_cast<double>(placed.size.y) / picture.height());
      cairo_set_source_surface(context, picture.surface(), 0, 0);
      if (scaled) cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_GOOD);
      cairo_rectangle(context, 0, 0, picture.width(), picture.height());
      cairo_fill(context);
      cairo_restore(context);
    }
  }
  cairo_restore(context);
}

// A gauge drawn straight onto the composed base where it stands alone, or
// its box recomposed where it shares pixels with others.
void Panel::repaint_gauge(cairo_t* context, PlacedGauge& placed) {
  if (placed.direct) {
    repaint_direct(context, placed);
  } else {
    repaint(context, {placed.origin.x, placed.origin.y, placed.size.x, placed.size.y});
  }
}

void Panel::repaint_direct(cairo_t* context, PlacedGauge& placed) {
  const render::Image::Box box{placed.origin.x, placed.origin.y, placed.size.x, placed.size.y};
  frame_.flush();
  const auto stride = static_cast<std::size_t>(frame_.stride());
  for (std::int32_t y = box.y; y < box.y + box.height; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(box.x) * 4;
    std::memcpy(frame_.data() + at, base_.data() + at, static_cast<std::size_t>(box.width) * 4);
  }
  cairo_save(context);
  cairo_rectangle(context, box.x, box.y, box.width, box.height);
  cairo_clip(context);
  cairo_translate(context, placed.origin.x, placed.origin.y);
  placed.renderer->paint_moving_onto(frame_, placed.origin, box, context);
  placed.renderer->paint_over_onto(frame_, placed.origin, box);
  cairo_restore(context);
  cairo_surface_mark_dirty_rectangle(frame_.surface(), box.x, box.y, box.width, box.height);
}

void Panel::compose_whole() {
  // The base: backgrounds of the shown windows, with the under-layers of the
  // gauges drawn straight onto the panel.
  {
    const render::ContextPtr context = base_.context();
    for (std::size_t w = 0; w < layout_.windows.size(); ++w) {
      if (!shown_[w]) continue;
      const Rect area = window_rect(w);
      const std::uint32_t rgb = layout_.windows[w].background_rgb;
      cairo_set_source_rgb(context.get(), (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
      cairo_rectangle(context.get(), area.x, area.y, area.width, area.height);
      cairo_fill(context.get());
      for (PlacedGauge& placed : gauges_) {
        if (placed.window != w || !placed.direct) continue;
        cairo_save(context.get());
        cairo_translate(context.get(), placed.origin.x, placed.origin.y);
        placed.renderer->paint_under(context.get());
        placed.layers_baked = placed.renderer->layers_version();
        cairo_restore(context.get());
      }
    }
    render::check(context.get(), layout_.source);
  }
  const render::ContextPtr context = frame_.context();
  cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(context.get(), base_.surface(), 0, 0);
  cairo_paint(context.get());
  cairo_set_operator(context.get(), CAIRO_OPERATOR_OVER);
  for (PlacedGauge& placed : gauges_) {
    placed.dirty = false;
    if (!shown_[placed.window]) continue;
    repaint_gauge(context.get(), placed);
  }
  render::check(context.get(), layout_.source);
  repainted_ = gauges_.size();
}

const render::Image& Panel::frame() {
  repainted_ = 0;
  std::vector<bool> shown(layout_.windows.size());
  for (std::size_t w = 0; w < shown.size(); ++w) shown[w] = window_shown(w);
  bool whole = !composed_ || shown != shown_;
  shown_ = std::move(shown);
  // A gauge whose layers changed has an out-of-date under-layer in the base.
  for (const PlacedGauge& placed : gauges_)
    if (placed.direct && placed.dirty && placed.renderer->layers_version() != placed.layers_baked) whole = true;
  composed_ = true;
  if (whole) {
    compose_whole();
    return frame_;
  }
  const render::ContextPtr context = frame_.context();
  for (PlacedGauge& placed : gauges_) {
    if (!placed.dirty) continue;
    placed.dirty = false;
    if (!shown_[placed.window]) continue;
    repaint_gauge(context.get(), placed);
    ++repainted_;
  }
  render::check(context.get(), layout_.source);
  return frame_;
}

render::Image Panel::frame_with_hotspots() {
  const render::Image& picture = frame();
  render::Image copy(picture.width(), picture.height(), CAIRO_FORMAT_RGB24);
  const render::ContextPtr context = copy.context();
  cairo_set_source_surface(context.get(), picture.surface(), 0, 0);
  cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(context.get());
  cairo_set_operator(context.get(), CAIRO_OPERATOR_OVER);
  for (const PlacedGauge& placed : gauges_) {
    if (!shown_[placed.window]) continue;
    const PIXSIZE own = placed.gauge->size();
    cairo_save(context.get());
    cairo_translate(context.get(), placed.origin.x, placed.origin.y);
    cairo_scale(context.get(), static_cast<double>(placed.size.x) / own.x, static_cast<double>(placed.size.y) / own.y);
    const auto spots = render::hotspots(placed.gauge->mouse_rows(), own);
    render::draw_hotspots(context.get(), spots);
    cairo_restore(context.get());
  }
  render::check(context.get(), "hotspots");
  return copy;
}

}  // namespace panelhost::panel
