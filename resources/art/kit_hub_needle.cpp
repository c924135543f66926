#include "kit_hub_needle.h"

#include <numbers>

namespace vexmoor::art {
namespace {

constexpr double kPi2 = 2 * std::numbers::pi;
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// The blade's point lies this far beyond the middle of its last column, so
// that the last column is more than half covered and the one past it less.
constexpr double kPointBeyond = 1.5;

}  // namespace

void draw_hub_disc(cairo_t* cr, Point centre, double radius, Rgb colour, bool pin) {
    const double x = centre.x, y = centre.y;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, kPi2);
    set_colour(cr, colour);
    cairo_fill(cr);
    cairo_arc(cr, x, y, radius - 0.7, 0, kPi2);
    set_colour(cr, mix(colour, kWhite, 0.3));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, radius * 0.4, 0, kPi2);
    set_colour(cr, mix(colour, kWhite, 0.12));
    cairo_fill(cr);
    if (pin) {
        cairo_arc(cr, x, y, 1, 0, kPi2);
        set_colour(cr, mix(colour, kBlack, 0.4));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void mirror_below(cairo_t* cr, int axis) {
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_flush(target);
    const int width = cairo_image_surface_get_width(target), height = cairo_image_surface_get_height(target);
    cairo_surface_t* above = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* copy = cairo_create(above);
    cairo_set_source_surface(copy, target, 0, 0);
    cairo_set_operator(copy, CAIRO_OPERATOR_SOURCE);
    cairo_paint(copy);
    cairo_destroy(copy);

    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, axis + 1, width, height - axis - 1);
    cairo_clip(cr);
    // Row r goes to row 2 * axis - r: y to 2 * axis + 1 - y.
    cairo_translate(cr, 0, 2 * axis + 1);
    cairo_scale(cr, 1, -1);
    cairo_set_source_surface(cr, above, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(above);
}

void draw_hub_needle(cairo_t* cr, const HubNeedle& n) {
    const double mid = n.axis + 0.5, hub = n.hub + 0.5, half = n.blade / 2;
    const double weight = n.counterweight + 0.5, point = n.tip + 0.5 + kPointBeyond;
    const bool weighted = n.counterweight >= 0;
    const auto outline = [&] {
        // Every piece runs clockwise, so the pieces add up to one shape.
        if (weighted) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, weight, mid, n.counterweight_radius, 0, kPi2);
            if (n.arm > 0) cairo_rectangle(cr, weight, mid - n.arm / 2, hub - weight, n.arm);
        }
        cairo_new_sub_path(cr);
        cairo_arc(cr, hub, mid, n.hub_radius, 0, kPi2);
        cairo_move_to(cr, hub, mid - half);
        cairo_line_to(cr, n.taper, mid - half);
        cairo_line_to(cr, point, mid);
        cairo_line_to(cr, n.taper, mid + half);
        cairo_line_to(cr, hub, mid + half);
        cairo_close_path(cr);
    };
    paint_within(cr, outline, [&] {
        // The arm, a shade darker than the discs it joins.
        set_colour(cr, mix(n.weight_colour, kBlack, 0.3));
        cairo_paint(cr);
        // The blade, reaching past its outline, with its raised middle line.
        cairo_pattern_t* ridge = cairo_pattern_create_linear(0, mid - half, 0, mid + half);
        const Rgb edge = mix(n.blade_colour, kBlack, 0.14);
        add_stop(ridge, 0, edge);
        add_stop(ridge, 0.5, n.blade_colour);
        add_stop(ridge, 1, edge);
        cairo_rectangle(cr, hub, mid - half - 1, point + 1 - hub, n.blade + 2);
        cairo_set_source(cr, ridge);
        cairo_fill(cr);
        cairo_pattern_destroy(ridge);
        if (weighted) draw_hub_disc(cr, {weight, mid}, n.counterweight_radius, n.weight_colour, false);
        draw_hub_disc(cr, {hub, mid}, n.hub_radius, n.hub_colour, true);
    });
    mirror_below(cr, n.axis);
}

HubNeedle counterweighted_needle(int tip) {
    return {.axis = 6, .hub = 24, .hub_radius = 6.5, .counterweight = 6, .counterweight_radius = 6.5, .arm = 3,
            .blade = 5, .taper = tip - 8, .tip = tip, .blade_colour = kNeedleCream, .hub_colour = kHubGrey,
            .weight_colour = kHubGrey};
}

}  // namespace vexmoor::art
