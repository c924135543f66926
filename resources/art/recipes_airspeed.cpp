// The airspeed indicator: a dial in miles per hour from 0 to 700 on an
// uneven scale, and one needle. The needle follows a table with a point at
// the outer end of each numeral's mark; the dial's marks are painted along
// the directions the needle takes between those points, so it stands on
// every mark it reads. The pivot sits a little above the middle of the
// face, where the scale's upper marks end nearer to it than the lower ones.
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
constexpr int kPivotX = 66, kPivotY = 62;
constexpr Rgb kFace{33, 33, 33};
constexpr Point kFaceCentre{66.5, 65};

const Scale& scale() {
    static const Scale s(kPivotX, kPivotY,
                         {{0, 66, 5}, {50, 94, 13}, {100, 107, 21}, {150, 125, 62}, {200, 106, 108},
                          {250, 57, 123}, {300, 16, 97}, {400, 6, 70}, {500, 9, 44}, {600, 24, 21},
                          {700, 47, 7}});
    return s;
}

constexpr Case kCase{.x = 0, .y = 0, .size = kWidth, .height = kHeight, .corner = 8.5,
                     .corners = Corners::bevelled, .metal = kCaseMetal, .edge = 1.5, .wear = 0.35};

void draw_dial(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    draw_case(cr, kCase);
    draw_corner_screws(cr, kCase, 8.5, 4.2, ScrewHead::slotted);
    draw_bezel(cr, {.centre = kFaceCentre, .outer = 64.2, .inner = 62.2, .light = kBezelLight, .dark = kBezelDark});
    draw_ring(cr, kFaceCentre, 62, 1.1, kRingLight);
    draw_face(cr, {.centre = kFaceCentre, .radius = 61.5, .colour = kFace, .wear = 0.4});

    // A mark every 12.5 from 0 to 50, at 75, every 10 from 100 to 300, and
    // halfway between the hundreds above.
    std::vector<double> minor = {12.5, 25, 37.5, 75};
    for (double v : every(110, 290, 10))
        if (int(v) % 50 != 0) minor.push_back(v);
    draw_scale_marks(cr, scale(), {.values = minor, .length = 4.5, .width = 1.3, .colour = kScaleCream});
    draw_scale_marks(cr, scale(), {.values = {350, 450, 550, 650}, .length = 6, .width = 1.5, .colour = kScaleCream});

    std::vector<double> major = {0, 50, 100, 150, 200, 250, 300, 400, 500, 600, 700};
    draw_scale_marks(cr, scale(), {.values = major, .length = 8.5, .width = 2.2, .colour = kScaleCream});
    // The numerals; where two stand close together (50 and 100, 700 and 0)
    // one of them steps back toward the centre.
    for (const double v : major) {
        const double step_back = v == 100 ? 4 : v == 700 ? 1.5 : 0;
        draw_scale_numerals(cr, scale(), {.at = {{v, std::to_string(int(v))}}, .mark_length = 8.5,
                                          .gap = 2 + step_back, .size = 9.5, .face = Typeface::condensed_bold,
                                          .colour = kScaleCream});
    }
    const Point pivot = scale().pivot();
    draw_label(cr, {pivot.x, pivot.y + 24}, "M.P.H", 8, Typeface::sans_bold, kScaleCream);
}

// A counterweight disc, a thin dark arm, the hub disc and a long blade.
void draw_needle(Canvas& canvas) {
    draw_hub_needle(canvas.cr(), {.axis = 6, .hub = 31, .hub_radius = 6.5, .counterweight = 6,
                                  .counterweight_radius = 6.5, .arm = 3, .blade = 5, .taper = 78, .tip = 87,
                                  .blade_colour = kNeedleCream, .hub_colour = kHubGrey,
                                  .weight_colour = kHubGrey});
}

}  // namespace

void airspeed_recipes(RecipeList& list) {
    list.add({.id = 0x1300, .width = kWidth, .height = kHeight, .colours = 0, .backdrop = kCaseMetal,
              .draw = draw_dial});
    list.add({.id = 0x1310, .width = 88, .height = 13, .colours = 0, .backdrop = kFace, .draw = draw_needle});
}

}  // namespace vexmoor::art
