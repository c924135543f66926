#include "kit_bezel.h"

#include <numbers>

namespace vexmoor::art {

void draw_bezel(cairo_t* cr, const Bezel& b) {
    const double pi2 = 2 * std::numbers::pi;
    const Point c = b.centre;
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    const double mid = (b.outer + b.inner) / 2;

    // Outer half of the ring: lit from the upper left.
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, b.outer, 0, pi2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, mid, 0, pi2);
    cairo_pattern_t* outside = cairo_pattern_create_linear(c.x - b.outer, c.y - b.outer, c.x + b.outer, c.y + b.outer);
    add_stop(outside, 0, b.light);
    add_stop(outside, 1, b.dark);
    cairo_set_source(cr, outside);
    cairo_fill(cr);
    cairo_pattern_destroy(outside);

    // Inner half: the chamfer faces the other way.
    cairo_arc(cr, c.x, c.y, mid, 0, pi2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, b.inner, 0, pi2);
    cairo_pattern_t* inside = cairo_pattern_create_linear(c.x - b.outer, c.y - b.outer, c.x + b.outer, c.y + b.outer);
    add_stop(inside, 0, mix(b.dark, b.light, 0.2));
    add_stop(inside, 1, mix(b.dark, b.light, 0.75));
    cairo_set_source(cr, inside);
    cairo_fill(cr);
    cairo_pattern_destroy(inside);
    cairo_restore(cr);
}

void draw_ring(cairo_t* cr, Point centre, double radius, double width, Rgb colour) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
    set_colour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace vexmoor::art
