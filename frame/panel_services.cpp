#include "panel_services.h"

namespace frame {
namespace {

const PANELS* panels() { return ImportTable.panels.pointer; }

}  // namespace

void element_list_query(ELEMENT_HEADER* root) {
  if (const PANELS* host = panels()) host->element_list_query(root);
}

void element_list_install(ELEMENT_HEADER* root, std::uint32_t argument) {
  if (const PANELS* host = panels()) host->element_list_install(root, argument);
}

void element_list_initialize(ELEMENT_HEADER* root) {
  if (const PANELS* host = panels()) host->element_list_initialize(root);
}

void element_list_update(ELEMENT_HEADER* root) {
  if (const PANELS* host = panels()) host->element_list_update(root);
}

void element_list_generate(ELEMENT_HEADER* root, std::uint32_t argument) {
  if (const PANELS* host = panels()) host->element_list_generate(root, argument);
}

void element_list_plot(ELEMENT_HEADER* root) {
  if (const PANELS* host = panels()) host->element_list_plot(root);
}

void element_list_kill(ELEMENT_HEADER* root) {
  if (const PANELS* host = panels()) host->element_list_kill(root);
}

void mouse_list_install(MOUSERECT* table, GAUGEHDR* gauge, PIXSIZE* size) {
  if (const PANELS* host = panels()) host->mouse_list_install(table, gauge, size);
}

void mouse_list_register(MOUSERECT* table, GAUGEHDR* gauge) {
  if (const PANELS* host = panels()) host->mouse_list_register(table, gauge);
}

void mouse_list_unregister(MOUSERECT* table, GAUGEHDR* gauge) {
  if (const PANELS* host = panels()) host->mouse_list_unregister(table, gauge);
}

BOOL32 panel_window_toggle(std::uint32_t window_id) {
  if (const PANELS* host = panels()) return host->panel_window_toggle(window_id);
  return 0;
}

void trigger_key_event(std::uint32_t event_id, std::uint32_t value) {
  if (const PANELS* host = panels()) host->trigger_key_event(event_id, value);
}

void lookup_var(MODULE_VAR* var) {
  if (const PANELS* host = panels()) host->lookup_var(var);
}

}  // namespace frame
