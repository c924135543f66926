// Round bezels (a lit chamfered ring around a dial) and thin rings.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

struct Bezel {
    Point centre{};
    double outer = 0, inner = 0;  // radii
    Rgb light = kBezelLight, dark = kBezelDark;
};

// Lit on its upper left outside and, like a chamfer, on its lower right
// inside edge.
void draw_bezel(cairo_t* cr, const Bezel& b);

void draw_ring(cairo_t* cr, Point centre, double radius, double width, Rgb colour = kRingLight);

}  // namespace vexmoor::art
