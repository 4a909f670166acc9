// Velmar_Tavrin: the cockpit panel of a twin-engine piston aircraft.
// The two exported records, and the gauge table in panel order. Gauges not
// built yet are absent; each takes its fixed position when it lands.
#include "element_list_routines.h"
#include "module_entry.h"
#include "velmar_tavrin_gauges.h"

extern "C" {

constinit IMPORT_TABLE ImportTable = frame::unfilled_import_table();

constinit LINKAGE<2> Linkage = {
    frame::linkage_head(),
    {
        /* 0 */ &fuel_gauge,
        /* 1 */ &fuel_tank_switch_gauge,
        nullptr,
    },
};

}  // extern "C"

GAUGEHDR* const* frame::module_gauge_table() { return Linkage.gauge_table; }
