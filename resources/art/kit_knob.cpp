#include "kit_knob.h"

#include <cmath>
#include <numbers>

namespace vexmoor::art {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr double kPi2 = 2 * std::numbers::pi;

// How much light a surface facing dial angle `degrees` catches (0..1);
// the light comes from the upper left.
double lit(double degrees) { return 0.5 + 0.5 * std::cos((degrees - 315.0) * std::numbers::pi / 180.0); }

void wedge(cairo_t* cr, Point c, double inner, double outer, double from, double to) {
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, outer, cairo_angle(from), cairo_angle(to));
    cairo_arc_negative(cr, c.x, c.y, inner, cairo_angle(to), cairo_angle(from));
    cairo_close_path(cr);
}

void circle(cairo_t* cr, Point c, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0, kPi2);
}

void rim(cairo_t* cr, const Knob& k) {
    const Point c = k.centre;
    const double groove = k.radius - k.rim, beyond = k.radius + 1;
    circle(cr, c, beyond);
    set_colour(cr, k.rim_dark);
    cairo_fill(cr);
    // Each tooth: a lit flank and a shaded one.
    const double step = 360.0 / k.teeth;
    for (int i = 0; i < k.teeth; ++i) {
        const double a = i * step, light = lit(a + step / 2);
        wedge(cr, c, groove, beyond, a, a + step / 2);
        set_colour(cr, mix(k.rim_dark, k.rim_light, 0.7 + 0.3 * light));
        cairo_fill(cr);
        wedge(cr, c, groove, beyond, a + step / 2, a + step);
        set_colour(cr, mix(mix(k.rim_dark, kBlack, 0.35), k.rim_dark, 0.4 + 0.6 * light));
        cairo_fill(cr);
    }
    // The lower right of the rim turns away from the light.
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, beyond, 0, kPi2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, groove, 0, kPi2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* shade = cairo_pattern_create_linear(c.x - k.radius, c.y - k.radius, c.x + k.radius, c.y + k.radius);
    add_stop(shade, 0, kWhite, 0.1);
    add_stop(shade, 0.5, kBlack, 0.0);
    add_stop(shade, 1, kBlack, 0.3);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);

    // The outermost edge rounds off into shade.
    circle(cr, c, k.radius - 0.2);
    set_colour(cr, kBlack, 0.25);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void face(cairo_t* cr, const Knob& k) {
    const Point c = k.centre;
    const double groove = k.radius - k.rim, r = groove - 0.45;
    circle(cr, c, groove);
    set_colour(cr, mix(k.face, kBlack, 0.65));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);

    // Dark, brightest toward the light.
    circle(cr, c, r);
    cairo_pattern_t* dome = cairo_pattern_create_radial(c.x - r * 0.35, c.y - r * 0.4, 0, c.x, c.y, r * 1.15);
    add_stop(dome, 0, mix(k.face, kWhite, 0.22));
    add_stop(dome, 0.55, k.face);
    add_stop(dome, 1, mix(k.face, kBlack, 0.35));
    cairo_set_source(cr, dome);
    cairo_fill(cr);
    cairo_pattern_destroy(dome);

    // Faint glints along the face's edge.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.0);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, r - 1.2, cairo_angle(285), cairo_angle(345));
    set_colour(cr, kWhite, 0.25);
    cairo_stroke(cr);
    cairo_arc(cr, c.x, c.y, r - 1.1, cairo_angle(110), cairo_angle(160));
    set_colour(cr, kWhite, 0.07);
    cairo_stroke(cr);
}

}  // namespace

void draw_knob(cairo_t* cr, const Knob& k) {
    paint_within(
        cr, [&] { cairo_arc(cr, k.centre.x, k.centre.y, k.radius, 0, kPi2); },
        [&] {
            rim(cr, k);
            face(cr, k);
        });
}

}  // namespace vexmoor::art
