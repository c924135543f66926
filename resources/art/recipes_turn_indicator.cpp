// The turn indicator: a turn needle swinging about a hub low on the dial
// and pointing at three index marks at the top, above an inclinometer ball
// in a curved glass tube between two reference wires.
//
// The ball is a needle on a long arm: the host turns its bitmap about a
// pivot 105 pixels above the gauge, so the ball slides along an arc of that
// pivot and the glass tube is bent to the same arc. The turn needle's bitmap
// starts 44 pixels out from its hub, so only the part above the tube's
// housing shows.
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

constexpr Rgb kCream{234, 222, 184};
constexpr Rgb kHousing{20, 20, 22};
constexpr Rgb kHousingEdge{78, 78, 82};
constexpr Rgb kGlass{196, 198, 200};     // the silver tube behind the ball
constexpr Rgb kGlassShade{132, 134, 138};
constexpr Rgb kGlassRim{96, 98, 102};
constexpr Rgb kWire{34, 34, 36};
constexpr Rgb kBall{92, 92, 96};
constexpr Rgb kNeedleRoot{66, 66, 70};

// Gauge pixels: pixel (x, y) covers [x, x + 1) x [y, y + 1).
constexpr Point kFaceCentre{66.5, 65};
constexpr double kFaceRadius = 56.5, kBezelOuter = 64;
constexpr double kPlateCorner = 38;

// The ball's arm swings from here; the tube is bent about the same point.
constexpr Point kBallPivot{66, -105};
constexpr double kTubeInner = 175, kTubeOuter = 195.5;  // the ball's table points lie on the lower edge
constexpr double kTubeMid = (kTubeInner + kTubeOuter) / 2, kTubeHalf = (kTubeOuter - kTubeInner) / 2;
// The tube's round ends reach columns 21 and 112.
const double kTubeLeft = std::asin((kBallPivot.x - 21 - kTubeHalf) / kTubeMid) * 180 / std::numbers::pi;
const double kTubeRight = std::asin((113 - kTubeHalf - kBallPivot.x) / kTubeMid) * 180 / std::numbers::pi;
constexpr double kHousingInner = 147.5, kHousingOuter = 165, kHousingSpread = 14;

// The turn needle's hub.
constexpr Point kHub{67, 97};

// --- background 0x1000 -----------------------------------------------------

// Around the ball's pivot: the band between two radii, from dial angle
// 180 + `left` (left of straight down) to 180 - `right`, with round ends.
void arched_band(cairo_t* cr, double inner, double outer, double left, double right) {
    const Point p = kBallPivot;
    const double from = 180 - right, to = 180 + left, mid = (inner + outer) / 2, half = (outer - inner) / 2;
    cairo_new_path(cr);
    cairo_arc(cr, p.x, p.y, outer, cairo_angle(from), cairo_angle(to));
    const Point end = on_circle(p, mid, to);
    cairo_arc(cr, end.x, end.y, half, cairo_angle(to), cairo_angle(to + 180));
    cairo_arc_negative(cr, p.x, p.y, inner, cairo_angle(to), cairo_angle(from));
    const Point start = on_circle(p, mid, from);
    cairo_arc(cr, start.x, start.y, half, cairo_angle(from + 180), cairo_angle(from + 360));
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, std::initializer_list<Point> points) {
    cairo_new_path(cr);
    for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

// A mark like a small house pointing down at the hub: full width from
// `left` to `right` between rows `top` and `shoulder`, then narrowing to a
// blunt point two pixels wide at `bottom`, centred on `point`.
struct IndexMark {
    double left, right, top, shoulder, bottom, point;
};

void index_mark(cairo_t* cr, const IndexMark& m) {
    polygon(cr, {{m.left, m.top}, {m.right, m.top}, {m.right, m.shoulder}, {m.point + 1, m.bottom},
                 {m.point - 1, m.bottom}, {m.left, m.shoulder}});
    set_colour(cr, kCream);
    cairo_fill(cr);
}

// The side marks' points lean toward the hub below the centre mark.
void index_marks(cairo_t* cr) {
    index_mark(cr, {.left = 61, .right = 73, .top = 13, .shoulder = 17, .bottom = 22, .point = 67});
    index_mark(cr, {.left = 42, .right = 52, .top = 17, .shoulder = 21, .bottom = 27, .point = 48.3});
    index_mark(cr, {.left = 82, .right = 91, .top = 17, .shoulder = 21, .bottom = 27, .point = 85.3});
}

// A small round boss lit from the upper left: light at a point `shift`
// up and left of its centre, dark at its rim.
void lit_disc(cairo_t* cr, Point c, double radius, double shift, Rgb light, Rgb dark) {
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, radius, 0, kPi2);
    cairo_pattern_t* dome = cairo_pattern_create_radial(c.x - shift, c.y - shift, 0, c.x, c.y, radius);
    add_stop(dome, 0, light);
    add_stop(dome, 1, dark);
    cairo_set_source(cr, dome);
    cairo_fill(cr);
    cairo_pattern_destroy(dome);
}

void housing(cairo_t* cr) {
    paint_within(
        cr, [&] { arched_band(cr, kHousingInner, kHousingOuter, kHousingSpread, kHousingSpread); },
        [&] {
            // Dark metal, rounded over toward the light above.
            const Point p = kBallPivot;
            cairo_pattern_t* body = cairo_pattern_create_radial(p.x, p.y, kHousingInner, p.x, p.y, kHousingOuter);
            add_stop(body, 0, mix(kHousing, kHousingEdge, 0.45));
            add_stop(body, 0.35, kHousing);
            add_stop(body, 1, mix(kHousing, Rgb{0, 0, 0}, 0.3));
            arched_band(cr, kHousingInner - 2, kHousingOuter + 2, kHousingSpread + 1, kHousingSpread + 1);
            cairo_set_source(cr, body);
            cairo_fill(cr);
            cairo_pattern_destroy(body);
            // Its upper edge catches the light.
            arched_band(cr, kHousingInner, kHousingOuter, kHousingSpread, kHousingSpread);
            set_colour(cr, kHousingEdge);
            cairo_set_line_width(cr, 2.2);
            cairo_save(cr);
            cairo_clip_preserve(cr);
            cairo_new_path(cr);
            cairo_arc(cr, kBallPivot.x, kBallPivot.y, kHousingInner, cairo_angle(160), cairo_angle(200));
            cairo_stroke(cr);
            cairo_restore(cr);
        });
    // Two rivets hold it to the tube's bracket.
    for (double a : {180 - kHousingSpread + 3.2, 180 + kHousingSpread - 3.2}) {
        lit_disc(cr, on_circle(kBallPivot, (kHousingInner + kHousingOuter) / 2, a), 1.6, 0.5, Rgb{120, 120, 124},
                 Rgb{40, 40, 44});
    }
}

void tube(cairo_t* cr) {
    const Point p = kBallPivot;
    paint_within(
        cr, [&] { arched_band(cr, kTubeInner, kTubeOuter, kTubeLeft, kTubeRight); },
        [&] {
            // Glass lit from above: a bright streak near the top, shading
            // toward the lower edge.
            cairo_pattern_t* glass = cairo_pattern_create_radial(p.x, p.y, kTubeInner - 1, p.x, p.y, kTubeOuter + 1);
            add_stop(glass, 0.0, mix(kGlass, kGlassShade, 0.3));
            add_stop(glass, 0.18, mix(kGlass, Rgb{255, 255, 255}, 0.55));
            add_stop(glass, 0.32, kGlass);
            add_stop(glass, 0.8, mix(kGlass, kGlassShade, 0.55));
            add_stop(glass, 1.0, kGlassShade);
            arched_band(cr, kTubeInner - 1, kTubeOuter + 1, kTubeLeft + 1, kTubeRight + 1);
            cairo_set_source(cr, glass);
            cairo_fill(cr);
            cairo_pattern_destroy(glass);
            arched_band(cr, kTubeInner, kTubeOuter, kTubeLeft, kTubeRight);
            set_colour(cr, kGlassRim);
            cairo_set_line_width(cr, 2.0);
            cairo_stroke(cr);
        });
    // The reference wires across the glass.
    for (int column : {55, 77}) {
        const double top = kBallPivot.y + kTubeInner - 2, bottom = kBallPivot.y + kTubeOuter + 1;
        cairo_rectangle(cr, column, top, 2, bottom - top);
        set_colour(cr, kWire);
        cairo_fill(cr);
    }
}

void dial_screws(cairo_t* cr) {
    for (double a : {45.0, 135.0, 225.0, 315.0})
        draw_screw(cr, {.centre = on_circle(kFaceCentre, kFaceRadius - 6.5, a), .radius = 2.2,
                        .head = ScrewHead::slotted, .turn = a + 20, .metal = kScrewMetal});
}

void hub(cairo_t* cr, Canvas& canvas) {
    lit_disc(cr, kHub, 4.2, 1.5, Rgb{96, 96, 100}, Rgb{24, 24, 26});
    // The light dot the needle turns about.
    canvas.fill(66, 96, 2, 2, kCream);
}

void lettering(cairo_t* cr) {
    draw_label(cr, {31.5, 33}, "L", 9, Typeface::sans_bold, kCream);
    draw_label(cr, {102, 33}, "R", 9, Typeface::sans_bold, kCream);
    draw_label(cr, {kFaceCentre.x, 108}, "2 MIN", 7, Typeface::condensed_bold, kCream);
    draw_label(cr, {kFaceCentre.x, 115}, "TURN", 5.5, Typeface::condensed, mix(kCream, kDialFace, 0.25));
}

void draw_turn_dial(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Case plate{.x = 0, .y = 0, .size = 133, .height = 130, .corner = kPlateCorner,
                     .corners = Corners::rounded, .metal = kCaseMetal, .edge = 1.5};
    draw_case(cr, plate);
    draw_corner_screws(cr, plate, 15, 4, ScrewHead::slotted);
    draw_bezel(cr, {.centre = kFaceCentre, .outer = kBezelOuter, .inner = kFaceRadius,
                    .light = kBezelLight, .dark = kBezelDark});
    draw_face(cr, {.centre = kFaceCentre, .radius = kFaceRadius, .colour = kDialFace, .wear = 0.6});
    draw_ring(cr, kFaceCentre, kFaceRadius - 0.6, 1.2, mix(kDialFace, Rgb{0, 0, 0}, 0.5));
    index_marks(cr);
    lettering(cr);
    dial_screws(cr);
    housing(cr);
    tube(cr);
    hub(cr, canvas);
}

// --- the ball 0x1010 ---------------------------------------------------------

// A grey sphere, a little larger than the bitmap is tall, with its
// highlight toward the upper left. The host turns the bitmap so that its
// left edge faces the pivot above: on the dial the highlight sits near the
// top of the ball.
void draw_ball(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Point c{9.5, 8};
    const double r = 10.1;
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0, kPi2);
    cairo_pattern_t* sphere = cairo_pattern_create_radial(6, 6.6, 0.5, c.x + 0.6, c.y + 0.4, r + 1);
    add_stop(sphere, 0.0, Rgb{236, 236, 238});
    add_stop(sphere, 0.18, mix(kBall, Rgb{255, 255, 255}, 0.35));
    add_stop(sphere, 0.6, kBall);
    add_stop(sphere, 1.0, mix(kBall, Rgb{0, 0, 0}, 0.6));
    cairo_set_source(cr, sphere);
    cairo_fill(cr);
    cairo_pattern_destroy(sphere);
}

// --- the reference wires 0x1011 ---------------------------------------------

// Two round wires three pixels wide, catching the light at the top.
void draw_wires(Canvas& canvas) {
    for (int y = 0; y < 24; ++y) {
        const double down = y / 23.0;
        const Rgb body = mix(Rgb{188, 188, 184}, Rgb{62, 62, 64}, down);
        const Rgb across[3] = {mix(body, Rgb{0, 0, 0}, 0.35), mix(body, Rgb{255, 255, 255}, 0.2), body};
        for (int i = 0; i < 3; ++i) {
            canvas.set(i, y, across[i]);
            canvas.set(21 + i, y, across[i]);
        }
    }
}

// --- the turn needle 0x1020 -------------------------------------------------

// Lying along row 3, pointing right. Every pixel is drawn: beside the dark
// root lies the housing's colour, beside the cream blade the dial's.
void draw_turn_needle(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    canvas.fill(0, 0, 11, 7, kHousing);
    canvas.fill(11, 0, 25, 7, kDialFace);

    // The root: a dark bar, lit along its upper edge.
    cairo_pattern_t* root = cairo_pattern_create_linear(0, 0.5, 0, 6.5);
    add_stop(root, 0, mix(kNeedleRoot, Rgb{255, 255, 255}, 0.25));
    add_stop(root, 0.5, kNeedleRoot);
    add_stop(root, 1, mix(kNeedleRoot, Rgb{0, 0, 0}, 0.45));
    cairo_rectangle(cr, 0, 0.6, 11.5, 5.8);
    cairo_set_source(cr, root);
    cairo_fill(cr);
    cairo_pattern_destroy(root);

    // The blade: straight, its end bevelled to a blunt point.
    polygon(cr, {{11, 0.3}, {33, 0.5}, {36, 2.2}, {36, 4.8}, {33, 6.5}, {11, 6.7}});
    cairo_pattern_t* blade = cairo_pattern_create_linear(0, 0.3, 0, 6.7);
    add_stop(blade, 0, mix(kCream, Rgb{255, 255, 255}, 0.5));
    add_stop(blade, 0.45, kCream);
    add_stop(blade, 1, mix(kCream, Rgb{60, 50, 30}, 0.45));
    cairo_set_source(cr, blade);
    cairo_fill(cr);
    cairo_pattern_destroy(blade);
    // A fine ridge down the middle of the blade.
    cairo_move_to(cr, 12, 3.5);
    cairo_line_to(cr, 35, 3.5);
    cairo_pattern_t* ridge = cairo_pattern_create_linear(11, 0, 36, 0);
    add_stop(ridge, 0, Rgb{255, 255, 255}, 0.5);
    add_stop(ridge, 1, Rgb{255, 255, 255}, 0.1);
    cairo_set_source(cr, ridge);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

}  // namespace

void turn_indicator_recipes(RecipeList& list) {
    list.add({.id = 0x1000, .width = 133, .height = 130, .colours = 256, .backdrop = kCaseMetal,
              .draw = draw_turn_dial});
    list.add({.id = 0x1010, .width = 19, .height = 16, .colours = 256, .backdrop = kGlass, .draw = draw_ball});
    list.add({.id = 0x1011, .width = 24, .height = 24, .colours = 256, .backdrop = kGlass, .draw = draw_wires});
    list.add({.id = 0x1020, .width = 36, .height = 7, .colours = 41, .backdrop = kDialFace,
              .draw = draw_turn_needle});
}

}  // namespace vexmoor::art
