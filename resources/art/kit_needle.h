// Needles. The host turns a needle bitmap about a pivot, so needles are
// drawn lying along one axis: pointing right (the usual) or pointing up.
// From the tail: a counterweight disc, an arm to the hub disc (the pivot),
// then the blade, straight to `taper` and narrowing to a point at `tip`.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

enum class Pointing { right, up };

struct Needle {
    Pointing pointing = Pointing::right;
    double axis = 0;  // the row (pointing right) or column (pointing up) through the middle
    // Positions along the needle: columns when pointing right, rows when
    // pointing up (so there the tip has the smallest row).
    double tail = 0;           // centre of the counterweight disc
    double counterweight = 0;  // its radius; 0 for none
    double hub = 0;            // centre of the hub disc
    double hub_radius = 0;     // 0 for none
    double arm = 0;            // thickness from the counterweight to the hub; 0 for none
    double blade = 0;          // thickness of the blade's straight part
    double taper = 0;          // where the blade starts to narrow
    double tip = 0;            // the point
    Rgb colour = kNeedleWhite;
    Rgb hub_colour = kNeedleWhite;
};

void draw_needle(cairo_t* cr, const Needle& n);

}  // namespace vexmoor::art
