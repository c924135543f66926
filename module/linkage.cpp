#include "host/host_codes.h"
#include "module/exports.h"
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

using namespace vexmoor;

extern "C" {

VEXMOOR_RECORD ImportTableRecord ImportTable = {
    .entry_id = host::kImportEntryPanelServices,
    .services = nullptr,
    .terminating_id = 0,
    .terminating_pointer = nullptr,
};

VEXMOOR_RECORD LinkageRecord<kGaugeCount> Linkage = {
    .module_id = host::kModuleIdentifier,
    .load = OnModuleLoad,
    .unload = OnModuleUnload,
    .reserved_0x0C = {0, 0, 0},
    .gauges =
        {
            &turn_indicator_gauge,  // 0
            &attitude_gauge,        // 1
            &altimeter_gauge,       // 2
            &airspeed_gauge,        // 3
            &landing_gear_gauge,    // 12
            &flaps_gauge,           // 15
            nullptr,
        },
};

}  // extern "C"
