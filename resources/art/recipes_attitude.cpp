// The attitude indicator: a square bezel with a round window, behind which
// the host turns and moves two cards (the horizon and the bank pointer), a
// miniature aircraft standing on a pedestal in front of them, and two knobs
// in the lower corners (the shared round knob, drawn elsewhere).
//
// The host draws each card reduced 2.25 times with its centre (128, 128) on
// the face point (66, 64), and keeps the opaque horizon card to the window:
// the window is painted in a colour of its own, (1, 1, 1), that no other
// pixel of the bezel takes.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "kit_bezel.h"
#include "kit_case.h"
#include "kit_colours.h"
#include "kit_dial.h"
#include "recipe.h"

namespace vexmoor::art {
namespace {

constexpr double kPi2 = 2 * std::numbers::pi;

constexpr Rgb kWindow{1, 1, 1};
constexpr Rgb kBehindWindow{14, 14, 15};  // what the window's rim blends into
constexpr Rgb kCream{234, 222, 184};
constexpr Rgb kPlate{40, 41, 44};
constexpr Rgb kField{17, 17, 17};
constexpr Rgb kBarOutline{226, 210, 158};
constexpr Rgb kBarFill{255, 243, 207};

// Gauge pixels: pixel (x, y) covers [x, x + 1) x [y, y + 1).
constexpr Point kWindowCentre{66.5, 66.5};
constexpr double kWindowRadius = 45.5;  // columns and rows 21 to 111
constexpr double kRimOuter = 49.5;
constexpr Point kCardCentre{66, 64};  // where the host turns the cards
constexpr Point kKnobSeats[] = {{14.5, 118.5}, {118.5, 118.5}};

// --- background 0x1100 -------------------------------------------------------

// The top edge of the plate closing the bottom of the window: the pedestal
// (columns 60 to 73 from row 83, a pixel wider on each side from row 84),
// and the shoulders sloping from row 88 beside it down past the window's
// edge.
double plate_top(double x) {
    const double from_middle = std::abs(x - 67);
    if (from_middle <= 7) return 83;
    if (from_middle <= 8) return 84;
    return 88 + (from_middle - 8) * 11.5 / 24;
}

void plate_outline(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 60, 83);
    cairo_line_to(cr, 74, 83);
    cairo_line_to(cr, 74, 84);
    cairo_line_to(cr, 75, 84);
    cairo_line_to(cr, 75, 88);
    cairo_line_to(cr, 75 + 48, 88 + 23);
    cairo_line_to(cr, 75 + 48, 133);
    cairo_line_to(cr, 59 - 48, 133);
    cairo_line_to(cr, 59 - 48, 88 + 23);
    cairo_line_to(cr, 59, 88);
    cairo_line_to(cr, 59, 84);
    cairo_line_to(cr, 60, 84);
    cairo_close_path(cr);
}

void window_circle(cairo_t* cr, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, kWindowCentre.x, kWindowCentre.y, radius, 0, kPi2);
}

// The plate: dark metal lit along its upper edges, the raised pedestal a
// shade lighter, with small lettering on the shoulders.
void plate(cairo_t* cr) {
    cairo_save(cr);
    window_circle(cr, kWindowRadius + 1);
    cairo_clip(cr);
    paint_within(
        cr, [&] { plate_outline(cr); },
        [&] {
            cairo_pattern_t* body = cairo_pattern_create_linear(0, 83, 0, 112);
            add_stop(body, 0, mix(kPlate, kCaseEdgeLight, 0.2));
            add_stop(body, 1, mix(kPlate, kCaseEdgeDark, 0.35));
            cairo_rectangle(cr, 0, 80, 133, 53);
            cairo_set_source(cr, body);
            cairo_fill(cr);
            cairo_pattern_destroy(body);
            // The pedestal stands out of the plate: its left side lit, its
            // right side in shade.
            cairo_rectangle(cr, 59, 83, 16, 50);
            cairo_pattern_t* pedestal = cairo_pattern_create_linear(59, 0, 75, 0);
            add_stop(pedestal, 0, mix(kPlate, kCaseEdgeLight, 0.45));
            add_stop(pedestal, 0.15, mix(kPlate, kCaseEdgeLight, 0.25));
            add_stop(pedestal, 0.85, kPlate);
            add_stop(pedestal, 1, mix(kPlate, kCaseEdgeDark, 0.5));
            cairo_set_source(cr, pedestal);
            cairo_fill(cr);
            // Light along the upper edges.
            plate_outline(cr);
            set_colour(cr, mix(kPlate, Rgb{200, 200, 196}, 0.55));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        });
    const Rgb ink = mix(kCream, kPlate, 0.15);
    draw_label(cr, {50.5, 102}, "GYRO", 5.5, Typeface::condensed_bold, ink);
    draw_label(cr, {83.5, 102}, "VAC", 5.5, Typeface::condensed_bold, ink);
    cairo_restore(cr);
}

// The bank scale, turned about the point the cards turn about: a wide
// index at the top, short marks every 7.5 degrees out to 30, a longer one
// at 60 and a level one at 90 on each side.
void bank_scale(cairo_t* cr) {
    const Point c = kCardCentre;
    const double inner = 51.5;
    for (double side : {-1.0, 1.0}) {
        draw_ticks(cr, {.centre = c, .outer = inner + 5, .length = 5, .width = 1.4,
                        .at = {side * 7.5, side * 15, side * 22.5, side * 30}, .colour = kCream});
        draw_ticks(cr, {.centre = c, .outer = inner + 9, .length = 9, .width = 2, .at = {side * 60}, .colour = kCream});
        draw_ticks(cr, {.centre = c, .outer = inner + 10, .length = 10, .width = 2.2, .at = {side * 90},
                        .colour = kCream});
    }
    // The index: a wide wedge pointing down at the window.
    const Point tip = on_circle(c, inner, 0), left = on_circle(c, inner + 8, -5.5), right = on_circle(c, inner + 8, 5.5);
    cairo_new_path(cr);
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, left.x, left.y);
    cairo_line_to(cr, right.x, right.y);
    cairo_close_path(cr);
    set_colour(cr, kCream);
    cairo_fill(cr);
}

// A recess in the case for each knob to turn in.
void knob_seats(cairo_t* cr) {
    for (const Point& s : kKnobSeats) {
        cairo_new_path(cr);
        cairo_arc(cr, s.x, s.y, 15.2, 0, kPi2);
        cairo_pattern_t* recess = cairo_pattern_create_linear(s.x - 15, s.y - 15, s.x + 15, s.y + 15);
        add_stop(recess, 0, mix(kCaseMetal, kCaseEdgeDark, 0.7));
        add_stop(recess, 1, mix(kCaseMetal, kCaseEdgeLight, 0.55));
        cairo_set_source(cr, recess);
        cairo_fill(cr);
        cairo_pattern_destroy(recess);
        cairo_arc(cr, s.x, s.y, 14, 0, kPi2);
        set_colour(cr, mix(kCaseMetal, kCaseEdgeDark, 0.5));
        cairo_fill(cr);
    }
}

// Whether the pixel lies wholly in the window: inside its circle and
// clear of the plate.
bool in_window(int x, int y) {
    const double dx = x + 0.5 - kWindowCentre.x, dy = y + 0.5 - kWindowCentre.y;
    if (dx * dx + dy * dy > kWindowRadius * kWindowRadius) return false;
    for (int i = 0; i <= 10; ++i)
        if (y + 1 > plate_top(x + 0.02 + 0.096 * i)) return false;
    return true;
}

void draw_attitude_bezel(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Case bezel{.x = 0, .y = 0, .size = 133, .corner = 11, .corners = Corners::rounded,
                     .metal = kCaseMetal, .edge = 1.5};
    draw_case(cr, bezel);
    for (const Point& at : {Point{12.5, 12.5}, Point{120.5, 12.5}})
        draw_screw(cr, {.centre = at, .radius = 4.6, .head = ScrewHead::cross, .turn = at.x < 66 ? 20.0 : 65.0,
                        .metal = kScrewMetal});
    knob_seats(cr);
    bank_scale(cr);

    window_circle(cr, kWindowRadius + 0.5);
    set_colour(cr, kBehindWindow);
    cairo_fill(cr);
    plate(cr);
    draw_bezel(cr, {.centre = kWindowCentre, .outer = kRimOuter, .inner = kWindowRadius - 0.2,
                    .light = kBezelLight, .dark = kBezelDark});
    // The window itself, pixel by pixel, in its own colour.
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (in_window(x, y)) canvas.set(x, y, kWindow);
}

// --- horizon card 0x1110 -----------------------------------------------------

// A dark field with the horizon bar across its middle: a two-pixel cream
// outline around a three-row pale fill.
void draw_horizon_card(Canvas& canvas) {
    canvas.fill(0, 0, 256, 256, kField);
    canvas.fill(35, 125, 185, 7, kBarOutline);
    canvas.fill(37, 127, 181, 3, kBarFill);
}

// --- bank pointer card 0x1120 ------------------------------------------------

// Undrawn but for a small cream triangle pointing up, 76 to 90 rows above
// the card's centre: two pixels wide at its tip on row 38, twelve at its base
// on row 52. Its left half catches a little more light.
void draw_bank_pointer(Canvas& canvas) {
    for (int y = 38; y <= 52; ++y) {
        const int half = 1 + int(std::lround(5.0 * (y - 38) / 14));
        for (int x = 127 - half; x < 127 + half; ++x)
            canvas.set(x, y, x < 127 ? mix(kCream, Rgb{255, 255, 255}, 0.25) : kCream);
    }
}

// --- miniature aircraft 0x1130 -----------------------------------------------

// Pixel by pixel: each wing bar is 19 by 4, its inner end bends down into
// an arm (the spans below, per row, for the left arm; the right one is its
// mirror) meeting the centre post at rows 13 to 19; the stem runs from
// there to the bottom row.
struct Span {
    int row, first, last;
};
constexpr Span kLeftArm[] = {
    {4, 14, 18},  {5, 15, 19},  {6, 16, 21},  {7, 17, 22},  {8, 18, 23},  {9, 19, 25},
    {10, 20, 26}, {11, 21, 27}, {12, 22, 28}, {13, 23, 29}, {14, 24, 29}, {15, 25, 29},
    {16, 26, 29}, {17, 27, 29}, {18, 28, 29}, {19, 29, 29},
};
constexpr int kAircraftWidth = 63, kAircraftHeight = 40;
constexpr int kMirror = kAircraftWidth - 1;

// Light from above: the top row brightest, fading along the length too.
Rgb wing_colour(int x, int y) {
    const double along = std::abs(x - 31) / 31.0;  // 1 at the wing tips
    const Rgb top = mix(Rgb{255, 246, 214}, kCream, 0.3 + 0.7 * along);
    const Rgb under = mix(Rgb{206, 206, 200}, Rgb{168, 168, 164}, along);
    const double shade[] = {0.0, 0.3, 0.62, 1.0};
    return mix(top, under, shade[y]);
}

Rgb arm_colour(int x, int y) {
    const double down = (y - 4) / 15.0, edge = std::abs(x - 31) / 17.0;
    return mix(mix(Rgb{178, 178, 174}, Rgb{118, 118, 116}, down), Rgb{200, 200, 196}, 0.25 * edge);
}

Rgb stem_colour(int x, int y) {
    // Round: lit a little left of its middle, dark at its sides.
    const double across = (x - 30.2) / 3.5, down = (y - 20) / 19.0;
    const Rgb body = mix(Rgb{86, 86, 88}, Rgb{58, 58, 60}, down);
    return mix(body, Rgb{20, 20, 22}, std::min(1.0, across * across * 0.8));
}

void draw_miniature_aircraft(Canvas& canvas) {
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x <= 18; ++x) {
            canvas.set(x, y, wing_colour(x, y));
            canvas.set(kMirror - x, y, wing_colour(kMirror - x, y));
        }
    for (const Span& s : kLeftArm)
        for (int x = s.first; x <= s.last; ++x) {
            canvas.set(x, s.row, arm_colour(x, s.row));
            canvas.set(kMirror - x, s.row, arm_colour(kMirror - x, s.row));
        }
    for (int y = 0; y < 20; ++y)
        for (int x = 30; x <= 32; ++x)
            canvas.set(x, y, y < 4 ? wing_colour(x, y) : mix(arm_colour(x, y), Rgb{255, 255, 255}, 0.15 * (x == 30)));
    for (int y = 20; y < kAircraftHeight; ++y)
        for (int x = 28; x <= 34; ++x) canvas.set(x, y, stem_colour(x, y));
}

}  // namespace

void attitude_recipes(RecipeList& list) {
    list.add({.id = 0x1100, .width = 133, .height = 133, .colours = 256, .backdrop = kCaseMetal,
              .draw = draw_attitude_bezel});
    list.add({.id = 0x1110, .width = 256, .height = 256, .backdrop = kField, .draw = draw_horizon_card});
    list.add({.id = 0x1111, .copy_of = 0x1100});
    list.add({.id = 0x1120, .width = 256, .height = 256, .backdrop = kField, .draw = draw_bank_pointer});
    list.add({.id = 0x1121, .copy_of = 0x1100});
    list.add({.id = 0x1130, .width = kAircraftWidth, .height = kAircraftHeight, .colours = 99,
              .backdrop = kField, .draw = draw_miniature_aircraft});
    // The pedestal, repainted over the aircraft's stem; its two top corners
    // are window and stay undrawn.
    list.add({.id = 0x1131, .width = 16, .height = 50, .colours = 256,
              .region = Region{.source = 0x1100, .x = 59, .y = 83,
                               .undrawn = [](int x, int y, Rgb) { return y == 0 && (x == 0 || x == 15); }}});
}

}  // namespace vexmoor::art
