// "Fuel Tank Switch": a four-position tank selector. The knob picture follows
// the host's tank selection, host variable 307, delivered integer-coded; four
// click areas, one beside each mark, ask the host for a selection with a key
// event. The gauge keeps no state: the picture changes only once the host has
// acted on the event.
#include "element_list_routines.h"
#include "mouse_rows.h"
#include "panel_services.h"
#include "velmar_tavrin_gauges.h"

namespace {

// --- Value callbacks and mouse handlers -------------------------------------

// Picture numbers of the knob icon.
constexpr double kPictureBoth = 0.0;
constexpr double kPictureLeft = 1.0;
constexpr double kPictureRight = 2.0;
constexpr double kPictureOff = 3.0;

// Host variable 307 is integer-coded: read its low 32 bits, never the float.
// Selections the dial has no mark for show both tanks.
double GAUGE_CALL fuel_selector_value(ELEMENT_ICON* icon) {
  switch (module_var_u32(icon->source_var)) {
    case 0: return kPictureOff;
    case 1: return kPictureBoth;
    case 2: return kPictureLeft;
    case 3: return kPictureRight;
    default: return kPictureBoth;
  }
}

// Key events asking the host for a selection.
constexpr std::uint32_t kEventFuelSelectorOff = 0x101A3;
constexpr std::uint32_t kEventFuelSelectorAll = 0x101A4;
constexpr std::uint32_t kEventFuelSelectorLeft = 0x101A5;
constexpr std::uint32_t kEventFuelSelectorRight = 0x101A6;

BOOL32 GAUGE_CALL fuel_selector_top_mouse(PIXPOINT*, FLAGS32) {
  frame::trigger_key_event(kEventFuelSelectorAll, 0);
  return 1;
}

BOOL32 GAUGE_CALL fuel_selector_left_mouse(PIXPOINT*, FLAGS32) {
  frame::trigger_key_event(kEventFuelSelectorLeft, 0);
  return 1;
}

BOOL32 GAUGE_CALL fuel_selector_right_mouse(PIXPOINT*, FLAGS32) {
  frame::trigger_key_event(kEventFuelSelectorRight, 0);
  return 1;
}

BOOL32 GAUGE_CALL fuel_selector_bottom_mouse(PIXPOINT*, FLAGS32) {
  frame::trigger_key_event(kEventFuelSelectorOff, 0);
  return 1;
}

// --- Failure table ----------------------------------------------------------

FAILURE_RECORD fuel_tank_switch_failures[] = {
    {0, 0},
};

// --- Element records (last of the chain first) ------------------------------

ELEMENT_ICON fuel_selector_knob = {
    // kind               bitmap  position  pivot   gauge                    children  failures                   flags
    {ELEMENT_KIND_ICON,   0x1500, {0, 0},   {0, 0}, &fuel_tank_switch_gauge, nullptr,  fuel_tank_switch_failures, 0x3},
    // source var  callback             pictures
    {307},         fuel_selector_value, 4,
};
ELEMENT_HEADER* fuel_selector_dial_children[] = {&fuel_selector_knob.header, nullptr};

ELEMENT_STATIC_IMAGE fuel_selector_dial = {
    {ELEMENT_KIND_STATIC_IMAGE, 0x1400, {0, 0}, {0, 0}, &fuel_tank_switch_gauge, fuel_selector_dial_children,
     fuel_tank_switch_failures, 0x1},
};
ELEMENT_HEADER* fuel_tank_switch_root[] = {&fuel_selector_dial.header};

// --- Mouse rows -------------------------------------------------------------

MOUSERECT fuel_tank_switch_mouse_rects[] = {
    frame::mouse_parent({0, 0, 0, 0}, 0xAB2D),
    //                 box (x, y, w, h)   cursor              flags                   handler
    frame::mouse_child({56, 8, 16, 32},   frame::CURSOR_HAND, MOUSE_LEFTSINGLE,       fuel_selector_top_mouse),
    frame::mouse_child({8, 56, 32, 16},   frame::CURSOR_HAND, MOUSE_LEFTSINGLE,       fuel_selector_left_mouse),
    frame::mouse_child({88, 56, 32, 16},  frame::CURSOR_HAND, MOUSE_LEFTSINGLE,       fuel_selector_right_mouse),
    frame::mouse_child({56, 88, 16, 32},  frame::CURSOR_HAND, MOUSE_LEFTSINGLE,       fuel_selector_bottom_mouse),
    frame::mouse_end_parent(),
    frame::mouse_end_table(),
};

}  // namespace

// --- Gauge header -----------------------------------------------------------

constinit GAUGEHDR fuel_tank_switch_gauge =
    frame::gauge_header_700("Fuel Tank Switch", fuel_tank_switch_root, 128, fuel_tank_switch_mouse_rects);
