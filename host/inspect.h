// `panelhost inspect`: a module's gauge table and every gauge's elements and
// mouse rows, as JSON for tools and as readable text for people.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "module_library.h"
#include "panel_host.h"

namespace panelhost {

// Version-610 gauges install their own mouse table, so the host installs
// them briefly to see it.
nlohmann::ordered_json inspect_module(PanelHost& host, ModuleLibrary& module);
std::string inspect_text(const nlohmann::ordered_json& report);

// Module-relative address of a function, for naming it without symbols.
std::string code_reference(const ModuleLibrary& module, const void* function);

}  // namespace panelhost
