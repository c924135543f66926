#include "kit_dial.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace vexmoor::art {

void draw_face(cairo_t* cr, const Face& f) {
    const Point c = f.centre;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, f.radius, 0, 2 * std::numbers::pi);
    set_colour(cr, f.colour);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // Wear: soft lighter and darker patches from a fixed sequence.
    std::uint32_t seed = 0x2545f491u;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return double(seed >> 8) / double(1u << 24);
    };
    const int patches = f.wear > 0 ? 14 : 0;
    for (int i = 0; i < patches; ++i) {
        const Point at = on_circle(c, f.radius * std::sqrt(next()), 360 * next());
        const double r = f.radius * (0.15 + 0.3 * next());
        const Rgb tone = next() < 0.5 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        cairo_pattern_t* spot = cairo_pattern_create_radial(at.x, at.y, 0, at.x, at.y, r);
        add_stop(spot, 0, tone, 0.05 * f.wear);
        add_stop(spot, 1, tone, 0);
        cairo_set_source(cr, spot);
        cairo_paint(cr);
        cairo_pattern_destroy(spot);
    }
    cairo_restore(cr);
}

void draw_ticks(cairo_t* cr, const Ticks& t) {
    cairo_save(cr);
    set_colour(cr, t.colour);
    cairo_set_line_width(cr, t.width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_new_path(cr);
    for (double a : t.at) {
        const Point from = on_circle(t.centre, t.outer, a), to = on_circle(t.centre, t.outer - t.length, a);
        cairo_move_to(cr, from.x, from.y);
        cairo_line_to(cr, to.x, to.y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

std::vector<double> every(double from, double to, double step) {
    std::vector<double> out;
    const auto n = long(std::floor((to - from) / step + 1e-9));
    for (long i = 0; i <= n; ++i) out.push_back(from + double(i) * step);
    return out;
}

void draw_numerals(cairo_t* cr, const Numerals& n) {
    cairo_save(cr);
    use_font(cr, n.face, n.size);
    set_colour(cr, n.colour);
    for (const auto& [angle, text] : n.at)
        show_centred(cr, on_circle(n.centre, n.radius, angle), text, n.upright ? 0 : angle);
    cairo_restore(cr);
}

void draw_label(cairo_t* cr, Point centre, std::string_view text, double size, Typeface face, Rgb colour) {
    cairo_save(cr);
    use_font(cr, face, size);
    set_colour(cr, colour);
    show_centred(cr, centre, text);
    cairo_restore(cr);
}

}  // namespace vexmoor::art
