// Small judgements the instrument tests make about pixels and shapes.
#pragma once

#include <algorithm>
#include <cmath>

#include "bitmap.h"
#include "image.h"

namespace vexmoor::art::test {

inline int brightness(Rgb c) { return (c.r + c.g + c.b) / 3; }

// Grey: no channel strays far from the others.
inline bool greyish(Rgb c, int spread = 12) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) <= spread;
}

// The cream of the markings: light and warm (red well above blue).
inline bool cream(Rgb c) { return c.r >= 170 && c.r >= c.b + 25; }

// How far the point (x, y) lies outside the rectangle from (0, 0) to
// (width, height) with corners rounded to `radius` (negative: inside).
inline double outside_rounded(double x, double y, double width, double height, double radius) {
    const double qx = std::abs(x - width / 2) - (width / 2 - radius);
    const double qy = std::abs(y - height / 2) - (height / 2 - radius);
    const double out = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return out + std::min(std::max(qx, qy), 0.0) - radius;
}

// Checks that a case with corners rounded to `radius` is pure black only
// outside its outline (pixels whose middles lie within 0.75 of the outline
// may go either way), and returns how many pure black pixels it has.
int expect_undrawn_only_outside_rounded_corners(const Bitmap& picture, double radius);

}  // namespace vexmoor::art::test
