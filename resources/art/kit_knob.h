// Knobs: a knurled rim of fine alternating light and dark teeth around a
// dark face, lit from the upper left.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

struct Knob {
    Point centre{};
    double radius = 0;
    double rim = 3;  // width of the knurled rim
    int teeth = 32;
    Rgb rim_light = kKnobRimLight, rim_dark = kKnobRimDark;
    Rgb face = kKnobFace;
};

void draw_knob(cairo_t* cr, const Knob& k);

}  // namespace vexmoor::art
