// "Fuel": both tanks' quantities on one dial. The left needle follows host
// variable 304 on the L half-scale, the right needle host variable 303 on the
// R half-scale; an overlay (glass, divider, unit legend) covers both.
// Tooltip only, no controls, no module state.
#include "element_list_routines.h"
#include "mouse_rows.h"
#include "value_rules.h"
#include "velmar_tavrin_gauges.h"

namespace {

// --- Value callbacks and mouse handlers -------------------------------------

// Quantities in the units of host variables 304 and 303.
constexpr double kFuelMinimum = 0.0;
constexpr double kFuelMaximum = 264.0;

double GAUGE_CALL fuel_left_value(ELEMENT_NEEDLE* needle) {
  return frame::clamp(frame::source_f64(needle), kFuelMinimum, kFuelMaximum);
}

double GAUGE_CALL fuel_right_value(ELEMENT_NEEDLE* needle) {
  return frame::clamp(frame::source_f64(needle), kFuelMinimum, kFuelMaximum);
}

// --- Calibration rows -------------------------------------------------------

// point (dial pixels)    value (host variable 304)
NONLINEARITY fuel_left_table[] = {
    {{30, 103},           0.0},
    {{30, 24},            264.0},
};

// Stored from the high value down: the row order is part of the data.
// point (dial pixels)    value (host variable 303)
NONLINEARITY fuel_right_table[] = {
    {{92, 24},            264.0},
    {{92, 103},           0.0},
};

// --- Failure table ----------------------------------------------------------

// Shared by the dial and both needles; the overlay carries none.
//                            key  action
FAILURE_RECORD fuel_failures[] = {
    {20, 2},
    {10, 1},
    {0, 0},
};

// --- Element records (last of the chain first) ------------------------------

ELEMENT_ICON fuel_overlay = {
    // kind               bitmap  position  pivot   gauge        children  failures  flags
    {ELEMENT_KIND_ICON,   0x1300, {0, 0},   {0, 0}, &fuel_gauge, nullptr,  nullptr,  0x3},
    // source var  callback  pictures
    {0},           nullptr,  1,
};
ELEMENT_HEADER* fuel_right_needle_children[] = {&fuel_overlay.header, nullptr};

ELEMENT_NEEDLE fuel_right_needle = {
    {ELEMENT_KIND_NEEDLE, 0x1200, {64, 64}, {5, 4}, &fuel_gauge, fuel_right_needle_children, fuel_failures, 0x3},
    // source var  callback           table             rows  max degrees/tick
    {303},         fuel_right_value,  fuel_right_table, 2,    180,
};
ELEMENT_HEADER* fuel_left_needle_children[] = {&fuel_right_needle.header, nullptr};

ELEMENT_NEEDLE fuel_left_needle = {
    {ELEMENT_KIND_NEEDLE, 0x1100, {64, 64}, {5, 4}, &fuel_gauge, fuel_left_needle_children, fuel_failures, 0x3},
    {304},         fuel_left_value,   fuel_left_table,  2,    180,
};
ELEMENT_HEADER* fuel_dial_children[] = {&fuel_left_needle.header, nullptr};

ELEMENT_STATIC_IMAGE fuel_dial = {
    {ELEMENT_KIND_STATIC_IMAGE, 0x1000, {0, 0}, {0, 0}, &fuel_gauge, fuel_dial_children, fuel_failures, 0x1},
};
ELEMENT_HEADER* fuel_root[] = {&fuel_dial.header};

// --- Mouse rows -------------------------------------------------------------

MOUSERECT fuel_mouse_rects[] = {
    frame::mouse_parent({0, 0, 0, 0}, 0xAB26),
    frame::mouse_end_parent(),
    frame::mouse_end_table(),
};

}  // namespace

// --- Gauge header -----------------------------------------------------------

constinit GAUGEHDR fuel_gauge = frame::gauge_header_700("Fuel", fuel_root, 128, fuel_mouse_rects);
