// The module's side of the host's service table.
//
// Gauge code calls these wrappers as if it called the host directly. Each one
// reads the service table from `ImportTable` afresh, and does nothing if the
// host has not filled it in yet: a routine or handler that runs too early
// skips its service call rather than dereferencing null.
#pragma once

#include "gauge_records.h"

extern "C" IMPORT_TABLE ImportTable;

namespace frame {

void element_list_query(ELEMENT_HEADER* root);
void element_list_install(ELEMENT_HEADER* root, std::uint32_t argument);
void element_list_initialize(ELEMENT_HEADER* root);
void element_list_update(ELEMENT_HEADER* root);
void element_list_generate(ELEMENT_HEADER* root, std::uint32_t argument);
void element_list_plot(ELEMENT_HEADER* root);
void element_list_kill(ELEMENT_HEADER* root);
void mouse_list_install(MOUSERECT* table, GAUGEHDR* gauge, PIXSIZE* size);
void mouse_list_register(MOUSERECT* table, GAUGEHDR* gauge);
void mouse_list_unregister(MOUSERECT* table, GAUGEHDR* gauge);
// Without a host there is no window to toggle: reports FALSE.
BOOL32 panel_window_toggle(std::uint32_t window_id);
void trigger_key_event(std::uint32_t event_id, std::uint32_t value);
void lookup_var(MODULE_VAR* var);

}  // namespace frame
