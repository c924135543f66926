#include "kit_case.h"

#include <numbers>

namespace vexmoor::art {
namespace {

void case_outline(cairo_t* cr, double x, double y, double width, double height, double corner, Corners corners) {
    const double r = corner, x1 = x + width, y1 = y + height;
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

double case_height(const Case& c) { return c.height > 0 ? c.height : c.size; }

void draw_case(cairo_t* cr, const Case& c) {
    const double h = case_height(c);
    auto outline = [&] { case_outline(cr, c.x, c.y, c.size, h, c.corner, c.corners); };
    // Body and rim reach past the outline and are cut to it once, so the
    // corners keep their true curve.
    paint_within(cr, outline, [&] {
        cairo_pattern_t* body = cairo_pattern_create_linear(c.x, c.y, c.x + c.size, c.y + h);
        add_stop(body, 0, mix(c.metal, kCaseEdgeLight, 0.18));
        add_stop(body, 1, mix(c.metal, kCaseEdgeDark, 0.25));
        cairo_set_source(cr, body);
        cairo_paint(cr);
        cairo_pattern_destroy(body);

        // The rim, `edge` wide inside the outline: lit along the top and
        // left, in shade along the bottom and right.
        outline();
        cairo_pattern_t* rim = cairo_pattern_create_linear(c.x, c.y, c.x + c.size, c.y + h);
        add_stop(rim, 0.0, kCaseEdgeLight);
        add_stop(rim, 0.45, mix(kCaseEdgeLight, c.metal, 0.7));
        add_stop(rim, 0.55, mix(kCaseEdgeDark, c.metal, 0.5));
        add_stop(rim, 1.0, kCaseEdgeDark);
        cairo_set_source(cr, rim);
        cairo_set_line_width(cr, 2 * c.edge);
        cairo_stroke(cr);
        cairo_pattern_destroy(rim);
    });
}

void draw_screw(cairo_t* cr, const Screw& s) {
    cairo_save(cr);
    const Point c = s.centre;
    cairo_pattern_t* head = cairo_pattern_create_radial(c.x - s.radius * 0.35, c.y - s.radius * 0.35, 0,
                                                        c.x, c.y, s.radius);
    add_stop(head, 0, mix(s.metal, Rgb{255, 255, 255}, 0.35));
    add_stop(head, 1, mix(s.metal, kCaseEdgeDark, 0.45));
    cairo_new_path(cr);  // whatever was drawn last may have left a current point
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
    const double near = inset, right = c.size - inset, bottom = case_height(c) - inset;
    const Point at[] = {{c.x + near, c.y + near}, {c.x + right, c.y + near},
                        {c.x + near, c.y + bottom}, {c.x + right, c.y + bottom}};
    const double turns[] = {35, 80, 10, 60};
    for (int i = 0; i < 4; ++i)
        draw_screw(cr, {.centre = at[i], .radius = radius, .head = head, .turn = turns[i], .metal = kScrewMetal});
}

}  // namespace vexmoor::art
