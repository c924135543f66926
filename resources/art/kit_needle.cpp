#include "kit_needle.h"

#include <algorithm>
#include <numbers>

namespace vexmoor::art {

void draw_needle(cairo_t* cr, const Needle& n) {
    cairo_save(cr);
    // Draw in (along, across) coordinates, then lay them onto the bitmap.
    cairo_matrix_t lay;
    if (n.pointing == Pointing::right)
        cairo_matrix_init(&lay, 1, 0, 0, 1, 0, n.axis);
    else
        cairo_matrix_init(&lay, 0, 1, 1, 0, n.axis, 0);
    cairo_transform(cr, &lay);

    const double pi2 = 2 * std::numbers::pi;
    cairo_new_path(cr);
    if (n.counterweight > 0) {
        cairo_arc(cr, n.tail, 0, n.counterweight, 0, pi2);
        cairo_close_path(cr);
    }
    if (n.arm > 0) {
        const double from = std::min(n.tail, n.hub), to = std::max(n.tail, n.hub);
        cairo_rectangle(cr, from, -n.arm / 2, to - from, n.arm);
    }
    if (n.blade > 0) {
        cairo_move_to(cr, n.hub, -n.blade / 2);
        cairo_line_to(cr, n.taper, -n.blade / 2);
        cairo_line_to(cr, n.tip, 0);
        cairo_line_to(cr, n.taper, n.blade / 2);
        cairo_line_to(cr, n.hub, n.blade / 2);
        cairo_close_path(cr);
    }
    set_colour(cr, n.colour);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);

    if (n.hub_radius > 0) {
        cairo_arc(cr, n.hub, 0, n.hub_radius, 0, pi2);
        set_colour(cr, n.hub_colour);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace vexmoor::art
