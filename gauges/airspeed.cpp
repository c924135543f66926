// "Airspeed": one needle over a dial in miles per hour, 0 at the top to 700
// just left of it, on an uneven scale that the eleven-entry table follows.
#include "module/clamp.h"
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

namespace vexmoor {

// The host's speed times 1.152 (exactly the double nearest 1.152), 0..700.
extern "C" double VEXMOOR_STDCALL AirspeedCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element) * 1.152, 0.0, 700.0);
}

extern ElementList airspeed_needle_list[];

VEXMOOR_RECORD NonlinearityEntry airspeed_table[] = {
    {.x = 66, .y = 5, .value = 0},      // straight up
    {.x = 94, .y = 13, .value = 50},
    {.x = 107, .y = 21, .value = 100},
    {.x = 125, .y = 62, .value = 150},  // 3 o'clock
    {.x = 106, .y = 108, .value = 200},
    {.x = 57, .y = 123, .value = 250},
    {.x = 16, .y = 97, .value = 300},
    {.x = 6, .y = 70, .value = 400},
    {.x = 9, .y = 44, .value = 500},
    {.x = 24, .y = 21, .value = 600},
    {.x = 47, .y = 7, .value = 700},    // 19 degrees short of the top
};

constinit FailureRecord airspeed_failures[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 3, .action = 2, .reserved = 0},
    kFailureListEnd,
};

VEXMOOR_RECORD StaticImageElement airspeed_background = {
    .header = {.kind = kStaticImage, .bitmap_id = 0x1300, .position = {0, 0}, .offset = {0, 0},
               .gauge = &airspeed_gauge, .children = airspeed_needle_list, .failures = nullptr,
               .draw_flags = 0x1},
};

VEXMOOR_RECORD NeedleElement airspeed_needle = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1310, .position = {66, 62}, .offset = {31, 6},
               .gauge = &airspeed_gauge, .children = nullptr, .failures = airspeed_failures,
               .draw_flags = 0x83},
    .variable = {.token = 61},
    .table = airspeed_table,
    .table_count = 11,
    .max_step_degrees = 6,
    .callback = AirspeedCallback,
};

constinit ElementList airspeed_root[] = {&airspeed_background.header, nullptr};
constinit ElementList airspeed_needle_list[] = {&airspeed_needle.header, nullptr};

constinit MouseArea airspeed_mouse[] = {
    mouse_begin_group(0xA86B),
    mouse_end_group(),
    mouse_end(),
};

VEXMOOR_RECORD GaugeHeader airspeed_gauge = {
    .header_version = host::kGaugeHeaderVersion,
    .name = "Airspeed",
    .elements = airspeed_root,
    VEXMOOR_GAUGE_ROUTINES,
    .default_width = 133,
    .mouse_areas = airspeed_mouse,
};

}  // namespace vexmoor
