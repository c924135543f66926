// The dark metal case an instrument sits in (square, or an upright plate),
// and the screw heads that hold it to the panel. Light falls from the upper
// left.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

enum class Corners { bevelled, rounded };

struct Case {
    double x = 0, y = 0;  // top-left corner
    double size = 0;      // width, and height too unless `height` is given
    double height = 0;    // 0: as tall as it is wide
    double corner = 8;    // bevel leg or rounding radius
    Corners corners = Corners::rounded;
    Rgb metal = kCaseMetal;
    double edge = 1.5;    // width of the lit and shaded rim
    double wear = 0;      // 0: fresh paint; up to 1: chipped and rubbed, the same every run
};

// With `wear`, the paint is worn where hands and tools meet it: chips of bare
// metal along the rim and in the corners, fine scratches across the case.
void draw_case(cairo_t* cr, const Case& c);

// The case's height: `height`, or `size` for a square case.
double case_height(const Case& c);

enum class ScrewHead { slotted, cross };

struct Screw {
    Point centre{};
    double radius = 3;
    ScrewHead head = ScrewHead::slotted;
    double turn = 45;  // dial angle of the slot (or of one arm of the cross)
    Rgb metal = kScrewMetal;
};

void draw_screw(cairo_t* cr, const Screw& s);

// One screw in each corner of the case, `inset` from its edges, each turned
// a little differently as real screws are.
void draw_corner_screws(cairo_t* cr, const Case& c, double inset, double radius, ScrewHead head);

}  // namespace vexmoor::art
