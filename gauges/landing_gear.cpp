// "Landing_Gear": a red light, lit while the gear is between its ends, and a
// green light, lit when it is fully down; one click area sends the gear
// event. The gear position runs from 0 (up) to 16383 (down).
#include <cstddef>

#include "module/clamp.h"
#include "module/exports.h"
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

namespace vexmoor {

// The two standalone variables that the red light's callback has the host
// fill on every call, low bound first, each in its own 32-byte stride.
struct GearLookups {
    alignas(8) ModuleVariable gear_lookup_low;
    alignas(8) ModuleVariable gear_lookup_high;
};
static_assert(offsetof(GearLookups, gear_lookup_high) == 32);

constinit GearLookups gear_lookups = {
    .gear_lookup_low = {.token = 333},
    .gear_lookup_high = {.token = 333},
};

// Green: lit only for a position of exactly 16383. A position that is not a
// number is unknown, so the light stays dark.
extern "C" double VEXMOOR_STDCALL GearDownCallback(ElementHeader* element) {
    return icon_value(element) == 16383.0 ? 1.0 : 0.0;
}

// Red: fetches the position twice, one lookup for each bound, and is lit
// when the high record is below 16383 (or not a number) and the low record
// above 0.
extern "C" double VEXMOOR_STDCALL GearTransitCallback(ElementHeader*) {
    PanelServices* services = ImportTable.services;
    services->lookup_variable(&gear_lookups.gear_lookup_low);
    services->lookup_variable(&gear_lookups.gear_lookup_high);
    if (gear_lookups.gear_lookup_high.value >= 16383.0) return 0.0;
    if (!(gear_lookups.gear_lookup_low.value > 0.0)) return 0.0;
    return 1.0;
}

extern ElementList gear_green_list[];
extern ElementList gear_red_list[];

// One list shared by both lights.
constinit FailureRecord gear_failures[] = {
    {.key = 20, .action = 1, .reserved = 0},
    kFailureListEnd,
};

VEXMOOR_RECORD StaticImageElement gear_background = {
    .header = {.kind = kStaticImage, .bitmap_id = 0x2200, .position = {0, 0}, .offset = {0, 0},
               .gauge = &landing_gear_gauge, .children = gear_green_list, .failures = nullptr,
               .draw_flags = 0x1},
};

VEXMOOR_RECORD IconElement gear_green_light = {
    .header = {.kind = kIcon, .bitmap_id = 0x2220, .position = {49, 11}, .offset = {0, 0},
               .gauge = &landing_gear_gauge, .children = gear_red_list, .failures = gear_failures,
               .draw_flags = 0x7},
    .variable = {.token = 333},
    .icon_count = 2,
    .callback = GearDownCallback,
};

VEXMOOR_RECORD IconElement gear_red_light = {
    .header = {.kind = kIcon, .bitmap_id = 0x2210, .position = {8, 11}, .offset = {0, 0},
               .gauge = &landing_gear_gauge, .children = nullptr, .failures = gear_failures,
               .draw_flags = 0x7},
    .variable = {.token = 333},
    .icon_count = 2,
    .callback = GearTransitCallback,
};

constinit ElementList gear_root[] = {&gear_background.header, nullptr};
constinit ElementList gear_green_list[] = {&gear_green_light.header, nullptr};
constinit ElementList gear_red_list[] = {&gear_red_light.header, nullptr};

constinit MouseArea gear_mouse[] = {
    mouse_begin_group(0xAB31),
    mouse_child_area({.x = 0, .y = 0, .width = 75, .height = 57}, host::kCursorHand, host::kMouseSingle, 0x10022),
    mouse_end_group(),
    mouse_end(),
};

VEXMOOR_RECORD GaugeHeader landing_gear_gauge = {
    .header_version = host::kGaugeHeaderVersion,
    .name = "Landing_Gear",
    .elements = gear_root,
    VEXMOOR_GAUGE_ROUTINES,
    .default_width = 80,
    .mouse_areas = gear_mouse,
};

}  // namespace vexmoor
