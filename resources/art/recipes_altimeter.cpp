// The altimeter: one dial numbered 0 to 9 and three needles on one pivot,
// the long one for hundreds, the broad one for thousands and the short one
// for ten-thousands. The broad and short needles follow a table with a
// point at the outer end of each numeral's mark; the dial's marks are
// painted along those directions, so the needles stand on them.
#include <numbers>
#include <string>

#include "kit_bezel.h"
#include "kit_case.h"
#include "kit_colours.h"
#include "kit_dial.h"
#include "kit_geometry.h"
#include "kit_hub_needle.h"
#include "kit_scale.h"
#include "recipe.h"

namespace vexmoor::art {
namespace {

constexpr int kWidth = 133, kHeight = 131;
constexpr int kPivotX = 66, kPivotY = 64;
constexpr Rgb kFace{41, 41, 49};

// The table points of the broad and short needles: numeral k at the outer
// end of its mark, the last repeating the first one turn later.
const Scale& scale() {
    static const Scale s(kPivotX, kPivotY,
                         {{0, 66, 6}, {1, 100, 18}, {2, 121, 46}, {3, 121, 83}, {4, 100, 110}, {5, 66, 122},
                          {6, 33, 111}, {7, 11, 83}, {8, 11, 46}, {9, 32, 17}, {10, 66, 6}});
    return s;
}

constexpr Case kCase{.x = 0, .y = 0, .size = kWidth, .height = kHeight, .corner = 8.5,
                     .corners = Corners::bevelled, .metal = kCaseMetal, .edge = 1.5, .wear = 1};

void draw_dial(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Point pivot = scale().pivot();
    draw_case(cr, kCase);
    draw_corner_screws(cr, kCase, 8.5, 4.2, ScrewHead::slotted);
    // The hole in the case, its shadowed edge, and the thin ring round the face.
    draw_bezel(cr, {.centre = pivot, .outer = 63.2, .inner = 60.8, .light = kBezelLight, .dark = kBezelDark});
    draw_ring(cr, pivot, 60.6, 1.1, kRingLight);
    draw_face(cr, {.centre = pivot, .radius = 60.1, .colour = kFace, .wear = 0.6});

    std::vector<double> minor;
    for (int k = 0; k < 10; ++k)
        for (int j = 1; j < 5; ++j) minor.push_back(k + j / 5.0);
    draw_scale_marks(cr, scale(), {.values = minor, .length = 4.5, .width = 1.3, .colour = kScaleCream});
    draw_scale_marks(cr, scale(), {.values = every(0, 9, 1), .length = 8, .width = 2.2, .colour = kScaleCream});

    ScaleNumerals numerals{.mark_length = 8, .gap = 2.5, .size = 14, .face = Typeface::sans_bold,
                           .colour = kScaleCream};
    for (int k = 0; k < 10; ++k) numerals.at.push_back({k, std::to_string(k)});
    draw_scale_numerals(cr, scale(), numerals);
    draw_label(cr, {pivot.x - 24, pivot.y}, "ALT", 9, Typeface::sans_bold, kScaleCream);
}

// Ten-thousands: a hub disc at the left end and a short blade.
void draw_short_needle(Canvas& canvas) {
    draw_hub_needle(canvas.cr(), {.axis = 6, .hub = 6, .hub_radius = 6.5, .blade = 5, .taper = 23, .tip = 30});
}

// Thousands: a dark broad tail, the hub disc, and a leaf-shaped blade up to
// 11 pixels wide.
void draw_broad_needle(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double mid = 8.5, hub = 17.5, hub_radius = 5.5, point = 52;
    const auto tail = [&] {
        cairo_move_to(cr, 0, mid - 5.5);
        cairo_line_to(cr, hub, mid - 3.5);
        cairo_line_to(cr, hub, mid + 3.5);
        cairo_line_to(cr, 0, mid + 5.5);
        cairo_close_path(cr);
    };
    const auto outline = [&] {
        tail();
        cairo_new_sub_path(cr);
        cairo_arc(cr, hub, mid, hub_radius, 0, 2 * std::numbers::pi);
        // The leaf: out from a narrow neck at the hub to its full width, then
        // in to the point, and back along the other side.
        cairo_move_to(cr, hub, mid - 2);
        cairo_line_to(cr, 22.5, mid - 2);
        cairo_curve_to(cr, 26, mid - 2.2, 27.5, mid - 5.5, 31.5, mid - 5.5);
        cairo_line_to(cr, 33, mid - 5.5);
        cairo_curve_to(cr, 40, mid - 4.6, 47, mid - 1.6, point, mid);
        cairo_curve_to(cr, 47, mid + 1.6, 40, mid + 4.6, 33, mid + 5.5);
        cairo_line_to(cr, 31.5, mid + 5.5);
        cairo_curve_to(cr, 27.5, mid + 5.5, 26, mid + 2.2, 22.5, mid + 2);
        cairo_line_to(cr, hub, mid + 2);
        cairo_close_path(cr);
    };
    paint_within(cr, outline, [&] {
        set_colour(cr, mix(kHubGrey, Rgb{0, 0, 0}, 0.25));
        cairo_paint(cr);
        // The blade, with a raised middle line.
        cairo_pattern_t* ridge = cairo_pattern_create_linear(0, mid - 5.5, 0, mid + 5.5);
        add_stop(ridge, 0, mix(kNeedleCream, Rgb{0, 0, 0}, 0.16));
        add_stop(ridge, 0.5, kNeedleCream);
        add_stop(ridge, 1, mix(kNeedleCream, Rgb{0, 0, 0}, 0.16));
        cairo_rectangle(cr, hub, 0, canvas.width(), canvas.height());
        cairo_set_source(cr, ridge);
        cairo_fill(cr);
        cairo_pattern_destroy(ridge);
        // The tail's lit edge.
        tail();
        set_colour(cr, mix(kHubGrey, Rgb{255, 255, 255}, 0.2));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        draw_hub_disc(cr, {hub, mid}, hub_radius, kHubGrey, true);
    });
    mirror_below(cr, 8);
}

void draw_long_needle(Canvas& canvas) { draw_hub_needle(canvas.cr(), counterweighted_needle(80)); }

}  // namespace

void altimeter_recipes(RecipeList& list) {
    list.add({.id = 0x1200, .width = kWidth, .height = kHeight, .colours = 0, .backdrop = kCaseMetal,
              .draw = draw_dial});
    list.add({.id = 0x1210, .width = 81, .height = 13, .colours = 0, .backdrop = kFace, .draw = draw_long_needle});
    list.add({.id = 0x1220, .width = 51, .height = 17, .colours = 0, .backdrop = kFace, .draw = draw_broad_needle});
    list.add({.id = 0x1230, .width = 31, .height = 13, .colours = 0, .backdrop = kFace, .draw = draw_short_needle});
}

}  // namespace vexmoor::art
