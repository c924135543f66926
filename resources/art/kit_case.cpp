#include "kit_case.h"

#include <numbers>

namespace vexmoor::art {
namespace {

void case_outline(cairo_t* cr, double x, double y, double size, double corner, Corners corners) {
    const double r = corner, x1 = x + size, y1 = y + size;
    cairo_new_path(cr);
    if (corners == Corners::bevelled) {
        cairo_move_to(cr, x + r, y);
        cairo_line_to(cr, x1 - r, y);
        cairo_line_to(cr, x1, y + r);
        cairo_line_to(cr, x1, y1 - r);
        cairo_line_to(cr, x1 - r, y1);
        cairo_line_to(cr, x + r, y1);
        cairo_line_to(cr, x, y1 - r);
        cairo_line_to(cr, x, y + r);
    } else {
        const double pi = std::numbers::pi;
        cairo_arc(cr, x1 - r, y + r, r, -pi / 2, 0);
        cairo_arc(cr, x1 - r, y1 - r, r, 0, pi / 2);
        cairo_arc(cr, x + r, y1 - r, r, pi / 2, pi);
        cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    }
    cairo_close_path(cr);
}

}  // namespace

void draw_case(cairo_t* cr, const Case& c) {
    cairo_save(cr);
    case_outline(cr, c.x, c.y, c.size, c.corner, c.corners);
    cairo_pattern_t* body = cairo_pattern_create_linear(c.x, c.y, c.x + c.size, c.y + c.size);
    add_stop(body, 0, mix(c.metal, kCaseEdgeLight, 0.18));
    add_stop(body, 1, mix(c.metal, kCaseEdgeDark, 0.25));
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);

    // The rim: lit along the top and left, in shade along the bottom and right.
    const double half = c.edge / 2;
    case_outline(cr, c.x + half, c.y + half, c.size - c.edge, c.corner - half * 0.6, c.corners);
    cairo_pattern_t* rim = cairo_pattern_create_linear(c.x, c.y, c.x + c.size, c.y + c.size);
    add_stop(rim, 0.0, kCaseEdgeLight);
    add_stop(rim, 0.45, mix(kCaseEdgeLight, c.metal, 0.7));
    add_stop(rim, 0.55, mix(kCaseEdgeDark, c.metal, 0.5));
    add_stop(rim, 1.0, kCaseEdgeDark);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, c.edge);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
    cairo_restore(cr);
}

void draw_screw(cairo_t* cr, const Screw& s) {
    cairo_save(cr);
    const Point c = s.centre;
    cairo_pattern_t* head = cairo_pattern_create_radial(c.x - s.radius * 0.35, c.y - s.radius * 0.35, 0,
                                                        c.x, c.y, s.radius);
    add_stop(head, 0, mix(s.metal, Rgb{255, 255, 255}, 0.35));
    add_stop(head, 1, mix(s.metal, kCaseEdgeDark, 0.45));
    cairo_arc(cr, c.x, c.y, s.radius, 0, 2 * std::numbers::pi);
    cairo_set_source(cr, head);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(head);
    set_colour(cr, kCaseEdgeDark, 0.8);
    cairo_set_line_width(cr, s.radius * 0.18);
    cairo_stroke(cr);

    set_colour(cr, kCaseEdgeDark);
    cairo_set_line_width(cr, s.radius * 0.32);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const int arms = s.head == ScrewHead::cross ? 2 : 1;
    for (int i = 0; i < arms; ++i) {
        const double turn = s.turn + 90.0 * i;
        const Point a = on_circle(c, s.radius * 0.78, turn), b = on_circle(c, s.radius * 0.78, turn + 180);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void draw_corner_screws(cairo_t* cr, const Case& c, double inset, double radius, ScrewHead head) {
    const double near = inset, far = c.size - inset;
    const Point at[] = {{c.x + near, c.y + near}, {c.x + far, c.y + near},
                        {c.x + near, c.y + far}, {c.x + far, c.y + far}};
    const double turns[] = {35, 80, 10, 60};
    for (int i = 0; i < 4; ++i)
        draw_screw(cr, {.centre = at[i], .radius = radius, .head = head, .turn = turns[i], .metal = kScrewMetal});
}

}  // namespace vexmoor::art
