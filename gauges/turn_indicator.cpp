// "Turn_Indicator": a turn needle above an inclinometer. The ball is a needle
// whose pivot lies 105 pixels above the gauge, so that turning it slides the
// ball along the glass tube; the reference wires are drawn over the ball.
// Gauge 0 of the list: the shared routines act on its background.
#include "module/clamp.h"
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

namespace vexmoor {

extern "C" double VEXMOOR_STDCALL TurnBallCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), -127.0, 127.0);
}

extern "C" double VEXMOOR_STDCALL TurnNeedleCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), -900.0, 900.0);
}

extern ElementList turn_indicator_root[];
extern ElementList turn_ball_list[];
extern ElementList turn_wires_list[];
extern ElementList turn_needle_list[];

// Falling values: 127 on the right, -127 on the left.
VEXMOOR_RECORD NonlinearityEntry turn_ball_table[] = {
    {.x = 103, .y = 87, .value = 127.0},
    {.x = 66, .y = 90, .value = 0.0},
    {.x = 29, .y = 87, .value = -127.0},
};

VEXMOOR_RECORD NonlinearityEntry turn_needle_table[] = {
    {.x = 0, .y = 0, .value = -900.0},
    {.x = 38, .y = 0, .value = -546.0},
    {.x = 67, .y = 0, .value = 0.0},
    {.x = 93, .y = 0, .value = 546.0},
    {.x = 132, .y = 0, .value = 900.0},
};

VEXMOOR_RECORD StaticImageElement turn_indicator_background = {
    .header = {.kind = kStaticImage, .bitmap_id = 0x1000, .position = {0, 0}, .offset = {0, 0},
               .gauge = &turn_indicator_gauge, .children = turn_ball_list, .failures = nullptr,
               .draw_flags = 0x1},
};

VEXMOOR_RECORD NeedleElement turn_ball = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1010, .position = {66, -105}, .offset = {-175, 8},
               .gauge = &turn_indicator_gauge, .children = turn_wires_list, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 69},
    .table = turn_ball_table,
    .table_count = 3,
    .max_step_degrees = 0,
    .callback = TurnBallCallback,
};

VEXMOOR_RECORD IconElement turn_reference_wires = {
    .header = {.kind = kIcon, .bitmap_id = 0x1011, .position = {55, 67}, .offset = {0, 0},
               .gauge = &turn_indicator_gauge, .children = turn_needle_list, .failures = nullptr,
               .draw_flags = 0x3},
    .variable = {.token = 0},
    .icon_count = 1,
    .callback = nullptr,
};

VEXMOOR_RECORD NeedleElement turn_needle = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1020, .position = {67, 97}, .offset = {-44, 4},
               .gauge = &turn_indicator_gauge, .children = nullptr, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 70},
    .table = turn_needle_table,
    .table_count = 5,
    .max_step_degrees = 6,
    .callback = TurnNeedleCallback,
};

constinit ElementList turn_indicator_root[] = {&turn_indicator_background.header, nullptr};
constinit ElementList turn_ball_list[] = {&turn_ball.header, nullptr};
constinit ElementList turn_wires_list[] = {&turn_reference_wires.header, nullptr};
constinit ElementList turn_needle_list[] = {&turn_needle.header, nullptr};

constinit MouseArea turn_indicator_mouse[] = {
    mouse_begin_group(0xAB71),
    mouse_end_group(),
    mouse_end(),
};

VEXMOOR_RECORD GaugeHeader turn_indicator_gauge = {
    .header_version = host::kGaugeHeaderVersion,
    .name = "Turn_Indicator",
    .elements = turn_indicator_root,
    VEXMOOR_GAUGE_ROUTINES,
    .default_width = 133,
    .mouse_areas = turn_indicator_mouse,
};

}  // namespace vexmoor
