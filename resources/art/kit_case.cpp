#include "kit_case.h"

#include <cstdint>
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

// A fixed sequence of numbers in [0, 1): the same wear every run.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : seed_(seed) {}
    double operator()() {
        seed_ = seed_ * 1664525u + 1013904223u;
        return double(seed_ >> 8) / double(1u << 24);
    }

private:
    std::uint32_t seed_;
};

// A point on side `side` (top, right, bottom, left) of the case, `along`
// (0..1) its length and `depth` in from its outside edge.
Point near_rim(const Case& c, double along, double depth, int side) {
    const double w = c.size, h = case_height(c);
    switch (side) {
        case 0: return {c.x + along * w, c.y + depth};
        case 1: return {c.x + w - depth, c.y + along * h};
        case 2: return {c.x + along * w, c.y + h - depth};
        default: return {c.x + depth, c.y + along * h};
    }
}

void draw_wear(cairo_t* cr, const Case& c) {
    Scatter next(0x5eed1234u);
    const Rgb bare = mix(c.metal, kScrewMetal, 0.75), shade = mix(c.metal, kCaseEdgeDark, 0.6);
    // Chips along the rim, where the paint meets everything else first.
    const int chips = int(70 * c.wear);
    for (int i = 0; i < chips; ++i) {
        const Point at = near_rim(c, next(), 0.8 + 3.5 * next() * next(), int(next() * 4));
        const double rx = 0.5 + 1.3 * next(), ry = 0.4 + 0.8 * next(), turn = 180 * next();
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_rotate(cr, turn * std::numbers::pi / 180);
        cairo_scale(cr, rx, ry);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(cr);
        set_colour(cr, bare, 0.35 + 0.4 * next());
        cairo_fill(cr);
    }
    // Fine scratches, some lighter (the paint scraped) and some darker (grime).
    const int scratches = int(20 * c.wear);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < scratches; ++i) {
        const Point from{c.x + c.size * next(), c.y + case_height(c) * next()};
        const double length = 3 + 9 * next(), turn = 360 * next();
        const Point to = on_circle(from, length, turn);
        const Point bend = on_circle({(from.x + to.x) / 2, (from.y + to.y) / 2}, length * 0.15, turn + 90);
        cairo_new_path(cr);
        cairo_move_to(cr, from.x, from.y);
        cairo_curve_to(cr, bend.x, bend.y, bend.x, bend.y, to.x, to.y);
        const bool light = next() < 0.6;
        set_colour(cr, light ? bare : shade, light ? 0.3 : 0.35);
        cairo_set_line_width(cr, 0.5 + 0.4 * next());
        cairo_stroke(cr);
    }
    cairo_restore(cr);
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
        if (c.wear > 0) draw_wear(cr, c);

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
