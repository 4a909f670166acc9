// The gauge headers of Velmar_Tavrin, one per gauge file.
#pragma once

#include "gauge_records.h"

extern GAUGEHDR fuel_gauge;
extern GAUGEHDR fuel_tank_switch_gauge;
