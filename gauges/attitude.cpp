// "Attitude": a horizon card that moves and turns and a bank-pointer card
// that turns with it, behind a round window; a miniature aircraft that
// slides up and down in front, a pedestal that hides its stem, and two knobs.
#include "module/clamp.h"
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

namespace vexmoor {

// The horizon card's vertical travel, limited to 30 units either way
// before the host multiplies it by the slot's scale.
extern "C" double VEXMOOR_STDCALL AttitudeCardCallback(ElementHeader* element) {
    return clamp_displayed(reinterpret_cast<SpriteElement*>(element)->y.variable.value, -30.0, 30.0);
}

extern "C" double VEXMOOR_STDCALL AttitudeRightKnobCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), 0.0, 1.0);
}

extern "C" double VEXMOOR_STDCALL AttitudeLeftKnobCallback(ElementHeader* element) {
    return clamp_displayed(needle_value(element), -100.0, 100.0);
}

extern ElementList attitude_horizon_list[];
extern ElementList attitude_bank_list[];
extern ElementList attitude_aircraft_list[];
extern ElementList attitude_pedestal_list[];
extern ElementList attitude_right_knob_list[];
extern ElementList attitude_left_knob_list[];

// One list shared by the background and both cards.
constinit FailureRecord attitude_failures[] = {
    {.key = 8, .action = 0, .reserved = 0},
    kFailureListEnd,
};

// A quarter turn clockwise from about 7 degrees left of straight up.
VEXMOOR_RECORD NonlinearityEntry attitude_right_knob_table[] = {
    {.x = 117, .y = 103, .value = 0.0},
    {.x = 131, .y = 117, .value = 1.0},
};

// About 82 degrees either side of straight up, upright at 0.
VEXMOOR_RECORD NonlinearityEntry attitude_left_knob_table[] = {
    {.x = 1, .y = 117, .value = -100.0},
    {.x = 29, .y = 117, .value = 100.0},
};

VEXMOOR_RECORD StaticImageElement attitude_background = {
    .header = {.kind = kStaticImage, .bitmap_id = 0x1100, .position = {0, 0}, .offset = {0, 0},
               .gauge = &attitude_gauge, .children = attitude_horizon_list, .failures = attitude_failures,
               .draw_flags = 0x1},
};

// The cards' offset is a point of the face, level with the miniature
// aircraft's wings, about which the host places and turns each card.
VEXMOOR_RECORD SpriteElement attitude_horizon_card = {
    .header = {.kind = kSprite, .bitmap_id = 0x1110, .position = {0, 0}, .offset = {66, 64},
               .gauge = &attitude_gauge, .children = attitude_bank_list, .failures = attitude_failures,
               .draw_flags = 0x81},
    .x = {.variable = {.token = 0}, .scale = 0.0},
    .y = {.variable = {.token = 78}, .scale = 2.0},
    .rotation = {.variable = {.token = 80}, .scale = -1.0},
    .texture_scale_x = 2.25f,
    .texture_scale_y = 2.25f,
    .y_callback = AttitudeCardCallback,
};

VEXMOOR_RECORD SpriteElement attitude_bank_card = {
    .header = {.kind = kSprite, .bitmap_id = 0x1120, .position = {0, 0}, .offset = {66, 64},
               .gauge = &attitude_gauge, .children = attitude_aircraft_list, .failures = attitude_failures,
               .draw_flags = 0x81},
    .x = {.variable = {.token = 0}, .scale = 0.0},
    .y = {.variable = {.token = 0}, .scale = 0.0},
    .rotation = {.variable = {.token = 80}, .scale = -1.0},
    .texture_scale_x = 2.25f,
    .texture_scale_y = 2.25f,
    .y_callback = nullptr,
};

VEXMOOR_RECORD SliderElement attitude_miniature_aircraft = {
    .header = {.kind = kSlider, .bitmap_id = 0x1130, .position = {35, 63}, .offset = {0, 0},
               .gauge = &attitude_gauge, .children = attitude_pedestal_list, .failures = nullptr,
               .draw_flags = 0x3},
    .x = {.variable = {.token = 0}, .scale = 0.0},
    .y = {.variable = {.token = 612}, .scale = -0.1},
};

VEXMOOR_RECORD IconElement attitude_pedestal = {
    .header = {.kind = kIcon, .bitmap_id = 0x1131, .position = {59, 83}, .offset = {0, 0},
               .gauge = &attitude_gauge, .children = attitude_right_knob_list, .failures = nullptr,
               .draw_flags = 0x3},
    .variable = {.token = 0},
    .icon_count = 1,
    .callback = nullptr,
};

VEXMOOR_RECORD NeedleElement attitude_right_knob = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1140, .position = {119, 119}, .offset = {14, 14},
               .gauge = &attitude_gauge, .children = attitude_left_knob_list, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 825},
    .table = attitude_right_knob_table,
    .table_count = 2,
    .max_step_degrees = 6,
    .callback = AttitudeRightKnobCallback,
};

VEXMOOR_RECORD NeedleElement attitude_left_knob = {
    .header = {.kind = kNeedle, .bitmap_id = 0x1150, .position = {15, 119}, .offset = {14, 14},
               .gauge = &attitude_gauge, .children = nullptr, .failures = nullptr,
               .draw_flags = 0x83},
    .variable = {.token = 612},
    .table = attitude_left_knob_table,
    .table_count = 2,
    .max_step_degrees = 6,
    .callback = AttitudeLeftKnobCallback,
};

constinit ElementList attitude_root[] = {&attitude_background.header, nullptr};
constinit ElementList attitude_horizon_list[] = {&attitude_horizon_card.header, nullptr};
constinit ElementList attitude_bank_list[] = {&attitude_bank_card.header, nullptr};
constinit ElementList attitude_aircraft_list[] = {&attitude_miniature_aircraft.header, nullptr};
constinit ElementList attitude_pedestal_list[] = {&attitude_pedestal.header, nullptr};
constinit ElementList attitude_right_knob_list[] = {&attitude_right_knob.header, nullptr};
constinit ElementList attitude_left_knob_list[] = {&attitude_left_knob.header, nullptr};

constinit MouseArea attitude_mouse[] = {
    mouse_begin_group(0xA86D),
    mouse_child_area({.x = 104, .y = 104, .width = 27, .height = 27}, host::kCursorHand, host::kMouseSingle,
                     0x10345),
    mouse_child_area({.x = 2, .y = 104, .width = 13, .height = 27}, host::kCursorIncrease, host::kMouseTwoWay,
                     0x1030F),
    mouse_child_area({.x = 16, .y = 104, .width = 13, .height = 27}, host::kCursorDecrease, host::kMouseTwoWay,
                     0x1030E),
    mouse_end_group(),
    mouse_end(),
};

VEXMOOR_RECORD GaugeHeader attitude_gauge = {
    .header_version = host::kGaugeHeaderVersion,
    .name = "Attitude",
    .elements = attitude_root,
    VEXMOOR_GAUGE_ROUTINES,
    .default_width = 133,
    .mouse_areas = attitude_mouse,
};

}  // namespace vexmoor
