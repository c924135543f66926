// "Altimeter": three needles on one pivot and one variable. The long needle
// counts hundreds over half-turn steps, the broad needle thousands, the short
// needle ten-thousands; two click areas on the lower left of the case.
#include "module/clamp.h"
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

namespace vexmoor {

// Three separate callbacks with the same rule: the altitude, 0..100000.
extern "C" double VEXMOOR_STDCALL AltimeterTenThousandsCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), 0.0, 100000.0);
}
extern "C" double VEXMOOR_STDCALL AltimeterThousandsCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), 0.0, 100000.0);
}
extern "C" double VEXMOOR_STDCALL AltimeterHundredsCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), 0.0, 100000.0);
}

extern ElementList altimeter_short_list[];
extern ElementList altimeter_broad_list[];
extern ElementList altimeter_long_list[];

// One point on the outer end of each numeral's mark; the last repeats the
// first, completing the turn across the top.
VEXMOOR_RECORD NonlinearityEntry altimeter_ten_thousands_table[] = {
    {.x = 66, .y = 6, .value = 0},          {.x = 100, .y = 18, .value = 10000},
    {.x = 121, .y = 46, .value = 20000},    {.x = 121, .y = 83, .value = 30000},
    {.x = 100, .y = 110, .value = 40000},   {.x = 66, .y = 122, .value = 50000},
    {.x = 33, .y = 111, .value = 60000},    {.x = 11, .y = 83, .value = 70000},
    {.x = 11, .y = 46, .value = 80000},     {.x = 32, .y = 17, .value = 90000},
    {.x = 66, .y = 6, .value = 100000},
};

VEXMOOR_RECORD NonlinearityEntry altimeter_thousands_table[] = {
    {.x = 66, .y = 6, .value = 0},          {.x = 100, .y = 18, .value = 1000},
    {.x = 121, .y = 46, .value = 2000},     {.x = 121, .y = 83, .value = 3000},
    {.x = 100, .y = 110, .value = 4000},    {.x = 66, .y = 122, .value = 5000},
    {.x = 33, .y = 111, .value = 6000},     {.x = 11, .y = 83, .value = 7000},
    {.x = 11, .y = 46, .value = 8000},      {.x = 32, .y = 17, .value = 9000},
    {.x = 66, .y = 6, .value = 10000},
};

// Every step is half a turn: up at even multiples of 500, down at odd ones.
VEXMOOR_RECORD NonlinearityEntry altimeter_hundreds_table[] = {
    {.x = 66, .y = 0, .value = 0},       {.x = 66, .y = 132, .value = 500},
    {.x = 66, .y = 0, .value = 1000},    {.x = 66, .y = 132, .value = 1500},
    {.x = 66, .y = 0, .value = 2000},    {.x = 66, .y = 132, .value = 2500},
    {.x = 66, .y = 0, .value = 3000},    {.x = 66, .y = 132, .value = 3500},
    {.x = 66, .y = 0, .value = 4000},    {.x = 66, .y = 132, .value = 4500},
    {.x = 66, .y = 0, .value = 5000},    {.x = 66, .y = 132, .value = 5500},
    {.x = 66, .y = 0, .value = 6000},    {.x = 66, .y = 132, .value = 6500},
    {.x = 66, .y = 0, .value = 7000},    {.x = 66, .y = 132, .value = 7500},
    {.x = 66, .y = 0, .value = 8000},    {.x = 66, .y = 132, .value = 8500},
    {.x = 66, .y = 0, .value = 9000},    {.x = 66, .y = 132, .value = 9500},
    {.x = 66, .y = 0, .value = 10000},
};

VEXMOOR_RECORD StaticImageElement altimeter_background = {
    .header = {.kind = kStaticImage, .bitmap_id = 0x1200, .position = {0, 0}, .offset = {0, 0},
               .gauge = &altimeter_gauge, .children = altimeter_short_list, .failures = nullptr,
               .draw_flags = 0x1},
};

VEXMOOR_RECORD NeedleElement altimeter_short_needle = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1230, .position = {66, 64}, .offset = {6, 6},
               .gauge = &altimeter_gauge, .children = altimeter_broad_list, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 74},
    .table = altimeter_ten_thousands_table,
    .table_count = 11,
    .max_step_degrees = 6,
    .callback = AltimeterTenThousandsCallback,
};

VEXMOOR_RECORD NeedleElement altimeter_broad_needle = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1220, .position = {66, 64}, .offset = {17, 8},
               .gauge = &altimeter_gauge, .children = altimeter_long_list, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 74},
    .table = altimeter_thousands_table,
    .table_count = 11,
    .max_step_degrees = 6,
    .callback = AltimeterThousandsCallback,
};

VEXMOOR_RECORD NeedleElement altimeter_long_needle = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1210, .position = {66, 64}, .offset = {24, 6},
               .gauge = &altimeter_gauge, .children = nullptr, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 74},
    .table = altimeter_hundreds_table,
    .table_count = 21,
    .max_step_degrees = 6,
    .callback = AltimeterHundredsCallback,
};

constinit ElementList altimeter_root[] = {&altimeter_background.header, nullptr};
constinit ElementList altimeter_short_list[] = {&altimeter_short_needle.header, nullptr};
constinit ElementList altimeter_broad_list[] = {&altimeter_broad_needle.header, nullptr};
constinit ElementList altimeter_long_list[] = {&altimeter_long_needle.header, nullptr};

constinit MouseArea altimeter_mouse[] = {
    mouse_begin_group(0xAB07),
    mouse_child_area({.x = 1, .y = 92, .width = 12, .height = 15}, host::kCursorIncrease, host::kMouseTwoWay,
                     0x1015C),
    mouse_child_area({.x = 13, .y = 92, .width = 12, .height = 15}, host::kCursorDecrease, host::kMouseTwoWay,
                     0x1015B),
    mouse_end_group(),
    mouse_end(),
};

VEXMOOR_RECORD GaugeHeader altimeter_gauge = {
    .header_version = host::kGaugeHeaderVersion,
    .name = "Altimeter",
    .elements = altimeter_root,
    VEXMOOR_GAUGE_ROUTINES,
    .default_width = 133,
    .mouse_areas = altimeter_mouse,
};

}  // namespace vexmoor
