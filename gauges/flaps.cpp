// "Flaps": a pointer that slides down the plate as the flap position grows
// from 0 (UP) to 16383 (DN); no callback and no limit. The upper half of
// the plate sends the raise event, the lower half the lower event.
#include "module/gauge_frame.h"
#include "module/gauge_list.h"

namespace vexmoor {

extern ElementList flaps_pointer_list[];

VEXMOOR_RECORD StaticImageElement flaps_background = {
    .header = {.kind = kStaticImage, .bitmap_id = 0x2500, .position = {0, 0}, .offset = {0, 0},
               .gauge = &flaps_gauge, .children = flaps_pointer_list, .failures = nullptr,
               .draw_flags = 0x1},
};

// 0.00366 pixels down per unit of flap position: 59.96 pixels over the range.
VEXMOOR_RECORD SliderElement flaps_pointer = {
    .header = {.kind = kSlider, .bitmap_id = 0x2510, .position = {12, 19}, .offset = {0, 0},
               .gauge = &flaps_gauge, .children = nullptr, .failures = nullptr,
               .draw_flags = 0x3},
    .x = {.variable = {.token = 0}, .scale = 0.0},
    .y = {.variable = {.token = 329}, .scale = 0.00366},
};

constinit ElementList flaps_root[] = {&flaps_background.header, nullptr};
constinit ElementList flaps_pointer_list[] = {&flaps_pointer.header, nullptr};

// The lower half comes first in the table; row 53 belongs to neither.
constinit MouseArea flaps_mouse[] = {
    mouse_begin_group(0xAB24),
    mouse_child_area({.x = 0, .y = 54, .width = 50, .height = 53}, host::kCursorDecrease, host::kMouseTwoWay, 0x100DE),
    mouse_child_area({.x = 0, .y = 0, .width = 50, .height = 53}, host::kCursorIncrease, host::kMouseTwoWay, 0x100DF),
    mouse_end_group(),
    mouse_end(),
};

VEXMOOR_RECORD GaugeHeader flaps_gauge = {
    .header_version = host::kGaugeHeaderVersion,
    .name = "Flaps",
    .elements = flaps_root,
    VEXMOOR_GAUGE_ROUTINES,
    .default_width = 50,
    .mouse_areas = flaps_mouse,
};

}  // namespace vexmoor
