// Needles that turn on a hub disc, laid out on whole pixels. The host turns
// such a bitmap about the middle of its hub's centre pixel, so every piece
// sits exactly in the columns it is given. The needle lies along its middle
// row with the point to the right; from the left: a counterweight disc (if
// any), an arm to the hub, the hub disc, and the blade, straight and then
// narrowing to a point in column `tip`. Outside these pieces nothing is
// drawn, and below the middle row the needle is the mirror image of what
// lies above it, pixel for pixel, so that it does not lean. Blade and discs
// are shaded the same whichever way the needle turns: a raised middle line
// along the blade, a lit rim round each disc.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

struct HubNeedle {
    int axis = 6;               // the middle row
    int hub = 0;                // column of the hub disc's centre: the pivot
    double hub_radius = 6.5;    // 6.5 fills 13 rows
    int counterweight = -1;     // column of the counterweight disc's centre; -1 for none
    double counterweight_radius = 6.5;
    double arm = 0;             // thickness of the arm from counterweight to hub
    double blade = 5;           // thickness of the blade, centred on the middle row
    int taper = 0;              // first column where the blade narrows
    int tip = 0;                // the column of the point
    Rgb blade_colour = kNeedleCream;
    Rgb hub_colour = kHubGrey;
    Rgb weight_colour = kHubGrey;  // the counterweight; the arm is a shade darker
};

void draw_hub_needle(cairo_t* cr, const HubNeedle& n);

// Makes the rows below `axis` the mirror image of those above it, pixel for
// pixel: a needle drawn about its middle row then points straight along it.
void mirror_below(cairo_t* cr, int axis);

// A hub or counterweight disc as the needles above have them (a lit rim, a
// small raised boss and, on a hub, the pin it turns on), for needles of
// other shapes.
void draw_hub_disc(cairo_t* cr, Point centre, double radius, Rgb colour, bool pin);

// The counterweighted needle that the altimeter's hundreds and the
// tachometer share, 13 pixels high: the counterweight disc in columns 0 to
// 12, a short arm, the hub disc centred on (24, 6), and a blade 5 pixels
// thick from column 31 to its point in column `tip`.
HubNeedle counterweighted_needle(int tip);

}  // namespace vexmoor::art
