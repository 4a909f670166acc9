// "Engine Controls": six engine levers in three pairs. Each knob is a slider
// that follows a host variable; each lever's full-height column takes clicks
// and drags, turns the mouse height into a lever value and sends it with the
// lever's key event. The host changes the variable in answer and the knob
// follows on the next update; the gauge keeps no state.
#include "engine_controls.h"

#include "mouse_rows.h"
#include "panel_services.h"
#include "quadrant_routines.h"

namespace {

ELEMENT_HEADER* engine_controls_root_element();

// --- Value callbacks and mouse handlers -------------------------------------

// The background's height as the host installed it, read at every call.
std::optional<std::int32_t> installed_height() {
  const auto* background = reinterpret_cast<const ELEMENT_STATIC_IMAGE*>(engine_controls_root_element());
  if (!background->image) return std::nullopt;
  return background->image->size.y;
}

// One instance per lever column; they differ only in the key event.
template <std::uint32_t KeyEvent>
BOOL32 GAUGE_CALL lever_mouse(PIXPOINT* point, FLAGS32) {
  const std::optional<std::int32_t> height = installed_height();
  if (!height || !point) return 0;
  if (const auto value = quadrant::lever_value(*height, point->y))
    frame::trigger_key_event(KeyEvent, static_cast<std::uint32_t>(*value));
  return 0;
}

// Key events, by lever; the left lever of each pair has the lower one.
constexpr std::uint32_t kEventLever1Left = 0x10183;   // host variable 129
constexpr std::uint32_t kEventLever1Right = 0x10184;  // host variable 164
constexpr std::uint32_t kEventLever2Left = 0x1011C;   // host variable 128
constexpr std::uint32_t kEventLever2Right = 0x1011D;  // host variable 163
constexpr std::uint32_t kEventLever3Left = 0x1017F;   // host variable 130
constexpr std::uint32_t kEventLever3Right = 0x10180;  // host variable 165

// --- Element records (sliders first, then the background that lists them) ---

// Knob travel in pixels per lever unit; up is negative y.
constexpr double kTallKnobScale = -0.0099;
constexpr double kShortKnobScale = -0.0104;

#define ENGINE_CONTROLS_SLIDER(bitmap, x, y) \
  {ELEMENT_KIND_SLIDER, bitmap, {x, y}, {0, 0}, &engine_controls_gauge, nullptr, nullptr, 0x3}

ELEMENT_SLIDER engine_controls_lever1_left = {
    //                     bitmap x    y      x var  x scale  x callback  y var  y scale          y callback
    ENGINE_CONTROLS_SLIDER(1100,  0,   162), {0},   0.0,     nullptr,    {129}, kTallKnobScale,  nullptr};
ELEMENT_SLIDER engine_controls_lever2_left = {
    ENGINE_CONTROLS_SLIDER(1200,  55,  171), {0},   0.0,     nullptr,    {128}, kShortKnobScale, nullptr};
ELEMENT_SLIDER engine_controls_lever3_left = {
    ENGINE_CONTROLS_SLIDER(1300,  112, 162), {0},   0.0,     nullptr,    {130}, kTallKnobScale,  nullptr};
ELEMENT_SLIDER engine_controls_lever1_right = {
    ENGINE_CONTROLS_SLIDER(1400,  20,  162), {0},   0.0,     nullptr,    {164}, kTallKnobScale,  nullptr};
ELEMENT_SLIDER engine_controls_lever2_right = {
    ENGINE_CONTROLS_SLIDER(1500,  78,  171), {0},   0.0,     nullptr,    {163}, kShortKnobScale, nullptr};
ELEMENT_SLIDER engine_controls_lever3_right = {
    ENGINE_CONTROLS_SLIDER(1600,  138, 162), {0},   0.0,     nullptr,    {165}, kTallKnobScale,  nullptr};

#undef ENGINE_CONTROLS_SLIDER

ELEMENT_HEADER* engine_controls_background_children[] = {
    &engine_controls_lever1_left.header,  &engine_controls_lever2_left.header,
    &engine_controls_lever3_left.header,  &engine_controls_lever1_right.header,
    &engine_controls_lever2_right.header, &engine_controls_lever3_right.header,
    nullptr,
};

ELEMENT_STATIC_IMAGE engine_controls_background = {
    // kind                     bitmap position pivot   gauge                   children                             failures flags
    {ELEMENT_KIND_STATIC_IMAGE, 1000,  {0, 0}, {0, 0}, &engine_controls_gauge, engine_controls_background_children, nullptr, 0x3},
};
ELEMENT_HEADER* engine_controls_root[] = {&engine_controls_background.header};

ELEMENT_HEADER* engine_controls_root_element() { return engine_controls_gauge.element_list[0]; }

// --- Mouse rows -------------------------------------------------------------

constexpr FLAGS32 kLeverFlags = MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG;

}  // namespace

MOUSERECT engine_controls_mouse_rects[] = {
    frame::mouse_parent({0, 0, 0, 0}, 0),
    //                  box (x, y, w, h)       cursor              flags        handler
    frame::mouse_parent({0, 0, 20, 210},   0xA50A),
    frame::mouse_child( {0, 0, 20, 210},   frame::CURSOR_HAND, kLeverFlags, lever_mouse<kEventLever1Left>),
    frame::mouse_end_parent(),
    frame::mouse_parent({55, 0, 22, 210},  0xA509),
    frame::mouse_child( {0, 0, 22, 210},   frame::CURSOR_HAND, kLeverFlags, lever_mouse<kEventLever2Left>),
    frame::mouse_end_parent(),
    frame::mouse_parent({112, 0, 25, 210}, 0xA50B),
    frame::mouse_child( {0, 0, 25, 210},   frame::CURSOR_HAND, kLeverFlags, lever_mouse<kEventLever3Left>),
    frame::mouse_end_parent(),
    frame::mouse_parent({20, 0, 24, 210},  0xA50A),
    frame::mouse_child( {0, 0, 24, 210},   frame::CURSOR_HAND, kLeverFlags, lever_mouse<kEventLever1Right>),
    frame::mouse_end_parent(),
    frame::mouse_parent({78, 0, 22, 210},  0xA509),
    frame::mouse_child( {0, 0, 22, 210},   frame::CURSOR_HAND, kLeverFlags, lever_mouse<kEventLever2Right>),
    frame::mouse_end_parent(),
    frame::mouse_parent({138, 0, 19, 210}, 0xA50B),
    frame::mouse_child( {0, 0, 19, 210},   frame::CURSOR_HAND, kLeverFlags, lever_mouse<kEventLever3Right>),
    frame::mouse_end_parent(),
    frame::mouse_end_parent(),
    frame::mouse_end_table(),
};

// --- Gauge header -----------------------------------------------------------

constinit GAUGEHDR engine_controls_gauge = {
    kGaugeHeaderVersion610,
    "Engine Controls",
    engine_controls_root,
    quadrant::engine_controls_query,
    quadrant::engine_controls_install,
    quadrant::engine_controls_initialize,
    quadrant::engine_controls_update,
    quadrant::engine_controls_generate,
    quadrant::engine_controls_draw,
    quadrant::engine_controls_kill,
    /* default width, mm */ 50,
    /* mouse table: installed by the routines */ nullptr,
    nullptr,
};
