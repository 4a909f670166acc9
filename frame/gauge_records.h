// Records shared by the gauge modules and the panel host.
//
// A gauge module is static data: a gauge table, element trees, calibration
// tables and mouse tables, plus a few small functions the records name. The
// host reads these records through the two exported symbols `ImportTable`
// and `Linkage` and writes into the element records at run time, so every
// record here is a plain, standard-layout aggregate with fields in a fixed
// order. Fields a module leaves alone start at zero and are the host's.
//
// Declaration order in a gauge file is bottom-up: C++ needs a record defined
// before the record that points to it, so the last element of a chain comes
// first and the gauge header last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Calling convention of every function that crosses the module boundary in
// either direction (gauge routines, value callbacks, mouse handlers, host
// services). The 32-bit Windows host calls with stdcall; elsewhere the
// platform's default is the only one there is.
#if defined(_WIN32) && !defined(_WIN64)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

// The boundary is C: records and symbols carry no C++ mangling.
extern "C" {

using BOOL32 = std::int32_t;
using FLAGS32 = std::uint32_t;

struct PANELS;
struct GAUGEHDR;
struct ELEMENT_HEADER;

struct PIXPOINT {
  std::int32_t x;
  std::int32_t y;
};

// Width and height of an installed image, in pixels.
struct PIXSIZE {
  std::int32_t x;
  std::int32_t y;
};

// --- Module records ---------------------------------------------------------

struct IMPORT_ENTRY {
  std::uint32_t id;
  PANELS* pointer;
};

// Entry 0 receives the host's service table; entry 1 ends the list.
struct IMPORT_TABLE {
  IMPORT_ENTRY panels;
  IMPORT_ENTRY end;
};

inline constexpr std::uint32_t kImportIdPanels = 0x0F;

using MODULE_ROUTINE = void(GAUGE_CALL*)();

// Fixed part of `Linkage`; the null-terminated gauge table follows it.
struct LINKAGE_HEAD {
  std::uint32_t module_id;
  MODULE_ROUTINE module_init;
  MODULE_ROUTINE module_deinit;
  std::uint32_t flags;
  std::uint32_t priority;
  std::uint32_t version;
};

inline constexpr std::uint32_t kModuleId = 0x13;

// --- Gauge header -----------------------------------------------------------

using QUERY_ROUTINE = void(GAUGE_CALL*)();
using INSTALL_ROUTINE = void(GAUGE_CALL*)(std::uint32_t);
using INITIALIZE_ROUTINE = void(GAUGE_CALL*)();
using UPDATE_ROUTINE = void(GAUGE_CALL*)();
using GENERATE_ROUTINE = void(GAUGE_CALL*)(std::uint32_t);
using DRAW_ROUTINE = void(GAUGE_CALL*)();
using KILL_ROUTINE = void(GAUGE_CALL*)();

struct MOUSERECT;

// Version 700: the host installs the element list and the mouse table from
// these fields itself. Version 610: the host calls the gauge's own routines,
// which install and register the mouse table through the host's services, so
// `mouse_rect` stays null.
inline constexpr std::uint32_t kGaugeHeaderVersion700 = 700;
inline constexpr std::uint32_t kGaugeHeaderVersion610 = 610;

struct GAUGEHDR {
  std::uint32_t header_version;
  const char* gauge_name;
  ELEMENT_HEADER** element_list;  // the root reference: one entry, no null after it
  QUERY_ROUTINE query_routine;
  INSTALL_ROUTINE install_routine;
  INITIALIZE_ROUTINE initialize_routine;
  UPDATE_ROUTINE update_routine;
  GENERATE_ROUTINE generate_routine;
  DRAW_ROUTINE draw_routine;
  KILL_ROUTINE kill_routine;
  std::uint32_t default_width_mm;
  MOUSERECT* mouse_rect;
  void* host_reserved;  // the host's; zero in the module
};

// --- Host variables ---------------------------------------------------------

// A host variable named by its token id. The module sets only `id`; the host
// fills `value`: a 64-bit float, or for an integer-coded variable an unsigned
// 32-bit integer in its first four bytes. Read it through the accessors below,
// never by casting, so both views stay defined.
struct MODULE_VAR {
  std::uint32_t id;
  std::uint32_t host_type;  // the host's
  alignas(8) unsigned char value[8];
};

inline double module_var_f64(const MODULE_VAR& var) {
  double result;
  std::memcpy(&result, var.value, sizeof result);
  return result;
}

inline std::uint32_t module_var_u32(const MODULE_VAR& var) {
  std::uint32_t result;
  std::memcpy(&result, var.value, sizeof result);
  return result;
}

inline void module_var_set_f64(MODULE_VAR& var, double value) {
  std::memcpy(var.value, &value, sizeof value);
}

// Integer-coded delivery: the low 32 bits carry the value, the rest is zero.
inline void module_var_set_u32(MODULE_VAR& var, std::uint32_t value) {
  std::memset(var.value, 0, sizeof var.value);
  std::memcpy(var.value, &value, sizeof value);
}

// --- Element records --------------------------------------------------------

enum ELEMENT_KIND : std::uint32_t {
  ELEMENT_KIND_STATIC_IMAGE = 0,
  ELEMENT_KIND_NEEDLE = 1,
  ELEMENT_KIND_SLIDER = 3,
  ELEMENT_KIND_ICON = 4,
  ELEMENT_KIND_MOVING_IMAGE = 5,
  ELEMENT_KIND_SPRITE = 6,
};

// Image flags: bit 0 makes pure black (0,0,0) transparent, bit 1 asks the
// host to erase behind the element, bit 2 is set on the sprite only.
inline constexpr FLAGS32 IMAGE_USE_TRANSPARENCY = 0x1;
inline constexpr FLAGS32 IMAGE_USE_ERASE = 0x2;
inline constexpr FLAGS32 IMAGE_SPRITE_FLAG = 0x4;

struct FAILURE_RECORD {
  std::uint32_t key;  // 0 ends the table
  std::uint32_t action;
  std::uint32_t reserved;
};

// One calibration row: the point a needle points at for this value.
struct NONLINEARITY {
  PIXPOINT point;
  double value;
  double degrees;  // filled by the host; 0 in the module
};

// The image the host creates for a static image when it installs the
// element list. Its size record is handed to `mouse_list_install` and read by
// handlers that scale by the gauge's height.
struct INSTALLED_IMAGE {
  PIXSIZE size;
  void* host_data;
};

struct ELEMENT_HEADER {
  ELEMENT_KIND kind;
  std::uint32_t bitmap_id;
  PIXPOINT position;
  PIXPOINT pivot_offset;
  GAUGEHDR* gauge_header;
  ELEMENT_HEADER** child_list;  // null-terminated, or null
  FAILURE_RECORD* failure_table;  // null for none
  FLAGS32 image_flags;
};

struct ELEMENT_STATIC_IMAGE {
  ELEMENT_HEADER header;
  INSTALLED_IMAGE* image;  // the host's
};

struct ELEMENT_NEEDLE;
struct ELEMENT_ICON;
struct ELEMENT_MOVING_IMAGE;
struct ELEMENT_SPRITE;
struct ELEMENT_SLIDER;

using NEEDLE_CALLBACK = double(GAUGE_CALL*)(ELEMENT_NEEDLE*);
using ICON_CALLBACK = double(GAUGE_CALL*)(ELEMENT_ICON*);
using MOVING_IMAGE_CALLBACK = double(GAUGE_CALL*)(ELEMENT_MOVING_IMAGE*);
using SPRITE_CALLBACK = double(GAUGE_CALL*)(ELEMENT_SPRITE*);
using SLIDER_CALLBACK = double(GAUGE_CALL*)(ELEMENT_SLIDER*);

struct ELEMENT_NEEDLE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  NEEDLE_CALLBACK value_callback;
  NONLINEARITY* nonlinearity;
  std::uint32_t nonlinearity_rows;
  std::int32_t max_degrees_per_tick;
  double host_value;  // the host's: the needle's current value
};

struct ELEMENT_ICON {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  ICON_CALLBACK value_callback;
  std::uint32_t picture_count;
  std::uint32_t reserved;
  double host_value;
};

struct ELEMENT_MOVING_IMAGE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  double min_x;
  double max_x;
  MODULE_VAR source_var_y;
  double min_y;
  double max_y;
  MOVING_IMAGE_CALLBACK value_callback_x;
  MOVING_IMAGE_CALLBACK value_callback_y;
  double host_value_x;
  double host_value_y;
};

struct ELEMENT_SPRITE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  double scale_x;
  MODULE_VAR source_var_y;
  double scale_y;
  MODULE_VAR source_var_rotation;
  double scale_rotation;
  float texture_scale_x;
  float texture_scale_y;
  SPRITE_CALLBACK value_callback_x;
  SPRITE_CALLBACK value_callback_y;
  SPRITE_CALLBACK value_callback_rotation;
  double host_value_x;
  double host_value_y;
  double host_value_rotation;
};

struct ELEMENT_SLIDER {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  double scale_x;
  SLIDER_CALLBACK value_callback_x;
  MODULE_VAR source_var_y;
  double scale_y;
  SLIDER_CALLBACK value_callback_y;
  double host_value_x;
  double host_value_y;
};

// --- Mouse tables -----------------------------------------------------------

enum MOUSE_RECT_KIND : std::uint32_t {
  MOUSE_RECT_EOL = 0,     // ends the table
  MOUSE_RECT_PARENT = 1,
  MOUSE_RECT_CHILD = 2,
  MOUSE_RECT_END_PARENT = 3,
};

inline constexpr FLAGS32 MOUSE_LEFTSINGLE = 0x20000000;
inline constexpr FLAGS32 MOUSE_LEFTDRAG = 0x00800000;
inline constexpr FLAGS32 MOUSE_RIGHTSINGLE = 0x80000000;

inline constexpr std::int32_t CURSOR_NONE = -1;

using MOUSE_HANDLER = BOOL32(GAUGE_CALL*)(PIXPOINT* point, FLAGS32 mouse_flags);

// One row of a mouse rectangle table. A box is relative to the top-left
// corner of the enclosing parent rectangle.
struct MOUSERECT {
  MOUSE_RECT_KIND kind;
  std::int32_t box_x;
  std::int32_t box_y;
  std::int32_t box_width;
  std::int32_t box_height;
  std::int32_t cursor;
  std::uint32_t help_id;
  FLAGS32 mouse_flags;
  std::uint32_t key_event_id;
  MOUSE_HANDLER handler;
  void* handler_data;
};

// --- Host services ----------------------------------------------------------

// The host's service table, in a fixed order; new services only ever go at
// the end. Modules reach it through `ImportTable` entry 0 and never call a
// slot directly: the wrappers in panel_services.h do.
struct PANELS {
  /* element_list_query      */ void(GAUGE_CALL* element_list_query)(ELEMENT_HEADER* root);
  /* element_list_install    */ void(GAUGE_CALL* element_list_install)(ELEMENT_HEADER* root, std::uint32_t argument);
  /* element_list_initialize */ void(GAUGE_CALL* element_list_initialize)(ELEMENT_HEADER* root);
  /* element_list_update     */ void(GAUGE_CALL* element_list_update)(ELEMENT_HEADER* root);
  /* element_list_generate   */ void(GAUGE_CALL* element_list_generate)(ELEMENT_HEADER* root, std::uint32_t argument);
  /* element_list_plot       */ void(GAUGE_CALL* element_list_plot)(ELEMENT_HEADER* root);
  /* element_list_kill       */ void(GAUGE_CALL* element_list_kill)(ELEMENT_HEADER* root);
  /* mouse_list_install      */ void(GAUGE_CALL* mouse_list_install)(MOUSERECT* table, GAUGEHDR* gauge, PIXSIZE* size);
  /* mouse_list_register     */ void(GAUGE_CALL* mouse_list_register)(MOUSERECT* table, GAUGEHDR* gauge);
  /* mouse_list_unregister   */ void(GAUGE_CALL* mouse_list_unregister)(MOUSERECT* table, GAUGEHDR* gauge);
  /* panel_window_toggle     */ BOOL32(GAUGE_CALL* panel_window_toggle)(std::uint32_t window_id);
  /* trigger_key_event       */ BOOL32(GAUGE_CALL* trigger_key_event)(std::uint32_t event_id, std::uint32_t value);
  /* lookup_var              */ void(GAUGE_CALL* lookup_var)(MODULE_VAR* var);
};

}  // extern "C"

// --- Layout facts -----------------------------------------------------------

// The 32-bit Windows build is the deliverable: its record sizes are the
// host's, so they are pinned here.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(IMPORT_ENTRY) == 8);
static_assert(sizeof(IMPORT_TABLE) == 16);
static_assert(sizeof(LINKAGE_HEAD) == 24);
static_assert(sizeof(GAUGEHDR) == 52);
static_assert(sizeof(MODULE_VAR) == 16);
static_assert(sizeof(NONLINEARITY) == 24);
static_assert(sizeof(FAILURE_RECORD) == 12);
static_assert(sizeof(MOUSERECT) == 44);
static_assert(sizeof(ELEMENT_HEADER) == 40);
static_assert(sizeof(PANELS) == 13 * 4);
#endif

static_assert(offsetof(MODULE_VAR, value) % 8 == 0);
static_assert(sizeof(PANELS) == 13 * sizeof(void*));

// `Linkage` as a module defines it: the fixed part, then `GaugeCount` gauge
// references and the null that ends the table.
template <std::size_t GaugeCount>
struct LINKAGE {
  LINKAGE_HEAD head;
  GAUGEHDR* gauge_table[GaugeCount + 1];
};

// Where the gauge table starts, for a reader that knows only the fixed part.
inline constexpr std::size_t kLinkageGaugeTableOffset = sizeof(LINKAGE_HEAD);
static_assert(offsetof(LINKAGE<1>, gauge_table) == kLinkageGaugeTableOffset);
