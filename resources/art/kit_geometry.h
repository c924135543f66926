// Positions, angles and colour helpers shared by the drawing kit. Dial
// angles are degrees clockwise from straight up; screen y grows downward.
#pragma once

#include <functional>

#include <cairo.h>

#include "image.h"

namespace vexmoor::art {

struct Point {
    double x = 0, y = 0;
};

// The point `radius` away from `centre` at dial angle `degrees`.
Point on_circle(Point centre, double radius, double degrees);

// A dial angle as cairo's arcs measure it (radians from +x, clockwise on screen).
double cairo_angle(double degrees);

void set_colour(cairo_t* cr, Rgb colour, double alpha = 1.0);
void add_stop(cairo_pattern_t* gradient, double offset, Rgb colour, double alpha = 1.0);

// Paints what `layers` draw, cut to the shape that `outline` traces: edge
// pixels take their coverage from the outline alone, however many
// antialiased layers overlap there (which would otherwise build up and
// swell the shape). The layers should reach past the outline.
void paint_within(cairo_t* cr, const std::function<void()>& outline, const std::function<void()>& layers);

// `a` at t = 0, `b` at t = 1.
Rgb mix(Rgb a, Rgb b, double t);

}  // namespace vexmoor::art
