// Indicator lamps: a coloured lens in a small metal bezel, lit or dark.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

struct Lamp {
    Point centre{};
    double radius = 0;  // of the bezel; the lens fills most of it
    Rgb lens = kLampGreen;
    bool lit = false;
    Rgb bezel = kBezelLight;
};

void draw_lamp(cairo_t* cr, const Lamp& l);

}  // namespace vexmoor::art
