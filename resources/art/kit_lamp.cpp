#include "kit_lamp.h"

#include <numbers>

#include "kit_bezel.h"

namespace vexmoor::art {

void draw_lamp(cairo_t* cr, const Lamp& l) {
    const double pi2 = 2 * std::numbers::pi;
    const Point c = l.centre;
    const double lens = l.radius * 0.72;
    draw_bezel(cr, {.centre = c, .outer = l.radius, .inner = lens, .light = l.bezel, .dark = kBezelDark});

    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, lens, 0, pi2);
    cairo_pattern_t* glass = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, lens);
    if (l.lit) {
        add_stop(glass, 0, mix(l.lens, Rgb{255, 255, 255}, 0.7));
        add_stop(glass, 0.55, l.lens);
        add_stop(glass, 1, mix(l.lens, Rgb{0, 0, 0}, 0.25));
    } else {
        add_stop(glass, 0, mix(l.lens, Rgb{0, 0, 0}, 0.55));
        add_stop(glass, 1, mix(l.lens, Rgb{0, 0, 0}, 0.8));
    }
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);

    // The glint on the glass, upper left.
    const Point glint = {c.x - lens * 0.35, c.y - lens * 0.35};
    cairo_pattern_t* shine = cairo_pattern_create_radial(glint.x, glint.y, 0, glint.x, glint.y, lens * 0.45);
    add_stop(shine, 0, Rgb{255, 255, 255}, l.lit ? 0.8 : 0.45);
    add_stop(shine, 1, Rgb{255, 255, 255}, 0);
    cairo_arc(cr, c.x, c.y, lens, 0, pi2);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    cairo_restore(cr);
}

}  // namespace vexmoor::art
