#include "kit_frame.h"

namespace vexmoor::art {
namespace {

struct Box {
    double x0, y0, x1, y1;
    Box inset(double d) const { return {x0 + d, y0 + d, x1 - d, y1 - d}; }
};

enum Side { top, left, bottom, right };

// The part of the ring between `outer` and `inner` along one side, cut at
// the corners on the diagonals.
void side(cairo_t* cr, const Box& o, const Box& i, Side s) {
    cairo_new_path(cr);
    switch (s) {
        case top:
            cairo_move_to(cr, o.x0, o.y0), cairo_line_to(cr, o.x1, o.y0);
            cairo_line_to(cr, i.x1, i.y0), cairo_line_to(cr, i.x0, i.y0);
            break;
        case left:
            cairo_move_to(cr, o.x0, o.y0), cairo_line_to(cr, i.x0, i.y0);
            cairo_line_to(cr, i.x0, i.y1), cairo_line_to(cr, o.x0, o.y1);
            break;
        case bottom:
            cairo_move_to(cr, o.x0, o.y1), cairo_line_to(cr, i.x0, i.y1);
            cairo_line_to(cr, i.x1, i.y1), cairo_line_to(cr, o.x1, o.y1);
            break;
        case right:
            cairo_move_to(cr, o.x1, o.y0), cairo_line_to(cr, o.x1, o.y1);
            cairo_line_to(cr, i.x1, i.y1), cairo_line_to(cr, i.x1, i.y0);
            break;
    }
    cairo_close_path(cr);
}

}  // namespace

void draw_frame(cairo_t* cr, const Frame& f) {
    const Rgb white{255, 255, 255}, black{0, 0, 0};
    const Rgb c = f.colour;
    const double third = f.band / 3;
    const Box outer{f.x, f.y, f.x + f.width, f.y + f.height};
    const Box crest = outer.inset(third), foot = outer.inset(2 * third), window = outer.inset(f.band);

    // Top, left, bottom, right: the top a little brighter than the left,
    // the bottom a little darker than the right.
    const Rgb outer_slope[] = {mix(c, white, 0.42), mix(c, white, 0.3), mix(c, black, 0.55), mix(c, black, 0.42)};
    const Rgb inner_slope[] = {mix(c, black, 0.5), mix(c, black, 0.4), mix(c, white, 0.3), mix(c, white, 0.22)};
    const Rgb top_face = mix(c, white, 0.1);

    cairo_save(cr);
    // Neighbouring sides meet on the mitres: added together, their
    // antialiased edges make one whole pixel there instead of a seam.
    cairo_push_group(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (Side s : {top, left, bottom, right}) {
        side(cr, outer, crest, s);
        set_colour(cr, outer_slope[s]);
        cairo_fill(cr);
        side(cr, foot, window, s);
        set_colour(cr, inner_slope[s]);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, crest.x0, crest.y0, crest.x1 - crest.x0, crest.y1 - crest.y0);
    cairo_rectangle(cr, foot.x1, foot.y0, foot.x0 - foot.x1, foot.y1 - foot.y0);  // a hole, wound the other way
    set_colour(cr, top_face);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace vexmoor::art
