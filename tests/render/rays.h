// Rays from a needle's pivot, the way a person checks a needle on a dial:
// does its blade lie along the ray toward the table point, and not along the
// rays beside it? Directions are degrees clockwise from straight up on the
// screen (y down), taken from the centre of the pivot pixel.
#pragma once

#include <gtest/gtest.h>

#include "gauge_view.h"

namespace vexmoor::test {

struct Point {
    double x = 0;
    double y = 0;
};

// The direction of pixel `to` seen from pixel `from`, centre to centre, in
// [0, 360).
double bearing(IntPoint from, IntPoint to);
// The direction a fraction t of the clockwise way from a to b.
double clockwise_between(double a, double b, double t);
// a - b folded into (-180, 180].
double angle_difference(double a, double b);

Point on_ray(IntPoint pivot, double direction, double r);
// The picture's pixel under the point r pixels out along the ray.
Rgba along(const RgbaImage& picture, IntPoint pivot, double direction, double r);

// Where a needle's cream blade lies, in pixels out from its pivot.
struct Blade {
    double from = 0;            // its first cream pixel
    double to = 0;              // its tip
    double half_width = 0;      // pixels either side of its axis at the widest
    double side_degrees = 10;   // the neighbouring rays that must stay clear
};

// The blade lies along the ray: cream from just past its start to where its
// point begins to narrow, 3 pixels short of the tip, and nothing of the
// needle beyond the tip; along the rays
// side_degrees either side, wherever they pass clear of the blade's width,
// the picture is what `without` (the same gauge without this needle) shows.
testing::AssertionResult blade_along(const RgbaImage& picture, const RgbaImage& without, IntPoint pivot,
                                     double direction, const Blade& blade);

// The direction the blade points in the picture, read off it: the middle of
// the directions (a quarter degree apart) along which the most radii show
// cream that `without` lacks.
double blade_direction(const RgbaImage& picture, const RgbaImage& without, IntPoint pivot, const Blade& blade);

}  // namespace vexmoor::test
