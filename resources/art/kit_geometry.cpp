#include "kit_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vexmoor::art {

Point on_circle(Point centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x + radius * std::sin(a), centre.y - radius * std::cos(a)};
}

double cairo_angle(double degrees) { return (degrees - 90.0) * std::numbers::pi / 180.0; }

void set_colour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void add_stop(cairo_pattern_t* gradient, double offset, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(gradient, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void paint_within(cairo_t* cr, const std::function<void()>& outline, const std::function<void()>& layers) {
    cairo_save(cr);
    cairo_push_group(cr);
    layers();
    cairo_pop_group_to_source(cr);
    cairo_new_path(cr);
    outline();
    cairo_fill(cr);
    cairo_restore(cr);
}

Rgb mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto one = [t](std::uint8_t x, std::uint8_t y) { return std::uint8_t(std::lround(x + (y - x) * t)); };
    return {one(a.r, b.r), one(a.g, b.g), one(a.b, b.b)};
}

}  // namespace vexmoor::art
