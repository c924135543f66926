// The drawing kit's conventions that every recipe leans on: which way dial
// angles run, which way needles point, and that the fonts load.
#include <gtest/gtest.h>

#include "canvas.h"
#include "kit_case.h"
#include "kit_dial.h"
#include "kit_frame.h"
#include "kit_needle.h"

namespace vexmoor::art {
namespace {

bool drawn(const Image& image, int x, int y) { return image.at(x, y) != kUndrawn; }

TEST(Kit, DialAnglesRunClockwiseFromStraightUp) {
    const struct {
        double degrees;
        Point expected;
    } cases[] = {{0, {10, 0}}, {90, {20, 10}}, {180, {10, 20}}, {270, {0, 10}}, {45, {17.0711, 2.9289}}};
    for (const auto& c : cases) {
        const Point p = on_circle({10, 10}, 10, c.degrees);
        EXPECT_NEAR(p.x, c.expected.x, 1e-4) << c.degrees;
        EXPECT_NEAR(p.y, c.expected.y, 1e-4) << c.degrees;
    }
}

TEST(Kit, TicksStandAtTheirAngles) {
    Canvas canvas(21, 21);
    draw_ticks(canvas.cr(), {.centre = {10.5, 10.5}, .outer = 10, .length = 4, .width = 1.5, .at = {90},
                             .colour = kMarking});
    const Image image = canvas.flatten(kDialFace, 0.5);
    EXPECT_TRUE(drawn(image, 18, 10)) << "right of the centre";
    EXPECT_FALSE(drawn(image, 2, 10));
    EXPECT_FALSE(drawn(image, 10, 2));
    EXPECT_FALSE(drawn(image, 14, 10)) << "the tick is only 4 long";
}

TEST(Kit, NeedlesPointWhereTheySay) {
    const Needle right{.pointing = Pointing::right, .axis = 4.5, .tail = 4, .counterweight = 3, .hub = 12,
                       .hub_radius = 2.5, .arm = 2, .blade = 3, .taper = 30, .tip = 38};
    Needle up = right;
    up.pointing = Pointing::up;
    up.tail = 41 - right.tail, up.hub = 41 - right.hub, up.taper = 41 - right.taper, up.tip = 41 - right.tip;

    Canvas across(41, 9), upright(9, 41);
    draw_needle(across.cr(), right);
    draw_needle(upright.cr(), up);
    const Image a = across.flatten(kDialFace, 0.5), u = upright.flatten(kDialFace, 0.5);
    const struct {
        int along;   // column of `across`; 40 minus the row of `upright`
        int across;  // row of `across`; column of `upright`
        bool drawn;
    } cases[] = {
        {1, 4, true},    // counterweight
        {4, 2, true},
        {8, 4, true},    // arm
        {8, 2, false},   // beside the arm
        {12, 2, true},   // hub
        {20, 4, true},   // blade
        {20, 6, false},  // beside the blade
        {36, 4, true},   // near the point
        {36, 3, false},  // the point narrows
        {39, 4, false},  // past the point
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawn(a, c.along, c.across), c.drawn) << "pointing right at column " << c.along;
        EXPECT_EQ(drawn(u, c.across, 40 - c.along), c.drawn) << "pointing up at row " << 40 - c.along;
    }
}

TEST(Kit, LabelsAreDrawnCentred) {
    Canvas canvas(40, 20);
    draw_label(canvas.cr(), {20, 10}, "88", 12, Typeface::sans_bold, kMarking);
    const Image image = canvas.flatten(kDialFace, 0.5);
    int left = 40, right = -1, top = 20, bottom = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            if (drawn(image, x, y)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "no ink";
    EXPECT_NEAR((left + right + 1) / 2.0, 20, 1.0);
    EXPECT_NEAR((top + bottom + 1) / 2.0, 10, 1.0);
}

TEST(Kit, LabelsFromTheLeftStartOnTheirColumn) {
    Canvas canvas(30, 20);
    use_font(canvas.cr(), Typeface::sans_bold, 8, Hinting::full);
    set_colour(canvas.cr(), kMarking);
    show_from_left(canvas.cr(), {10, 10}, "DN");
    const Image image = canvas.flatten(kDialFace, 0.01);  // any ink at all
    int left = 30, top = 20, bottom = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            if (drawn(image, x, y)) left = std::min(left, x), top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_EQ(left, 10);
    EXPECT_NEAR((top + bottom + 1) / 2.0, 10, 0.5);
}

TEST(Kit, TallCasesRoundAllFourCorners) {
    Canvas canvas(20, 40);
    draw_case(canvas.cr(), {.x = 0, .y = 0, .size = 20, .height = 40, .corner = 5});
    const Image image = canvas.flatten(kCaseMetal, 0.5);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{19, 0}, std::pair{0, 39}, std::pair{19, 39}})
        EXPECT_FALSE(drawn(image, x, y)) << "corner " << x << "," << y;
    for (const auto& [x, y] : {std::pair{10, 0}, std::pair{0, 20}, std::pair{19, 20}, std::pair{10, 39}})
        EXPECT_TRUE(drawn(image, x, y)) << "edge " << x << "," << y;
}

TEST(Kit, RaisedFramesAreLitFromTheUpperLeft) {
    Canvas canvas(30, 30);
    draw_frame(canvas.cr(), {.x = 3, .y = 3, .width = 24, .height = 24, .band = 3, .colour = Rgb{100, 100, 100}});
    const Image image = canvas.flatten(kUndrawn, 0.5);
    auto grey = [&](int x, int y) { return image.at(x, y).g; };
    EXPECT_GT(grey(15, 3), grey(15, 26)) << "outer slope: top lit, bottom in shade";
    EXPECT_GT(grey(3, 15), grey(26, 15)) << "outer slope: left lit, right in shade";
    EXPECT_LT(grey(15, 5), grey(15, 24)) << "inner slope: the other way";
    EXPECT_LT(grey(5, 15), grey(24, 15)) << "inner slope: the other way";
    // The mitred corners are whole, with no seam toward the backdrop.
    for (int i = 3; i < 6; ++i) {
        EXPECT_GT(grey(i, i), 40) << "upper left mitre at " << i;
        EXPECT_GT(grey(29 - i, 29 - i), 20) << "lower right mitre at " << 29 - i;
    }
    EXPECT_FALSE(drawn(image, 15, 15)) << "the window is left open";
    EXPECT_FALSE(drawn(image, 1, 1)) << "nothing outside";
}

TEST(Kit, CasesMayBeWiderThanTheyAreTall) {
    Canvas canvas(30, 24);
    const Case wide{.x = 0, .y = 0, .size = 30, .height = 20, .corner = 4, .corners = Corners::rounded};
    EXPECT_EQ(case_height(wide), 20);
    EXPECT_EQ(case_height(Case{.size = 30}), 30) << "square unless a height is given";
    draw_case(canvas.cr(), wide);
    draw_corner_screws(canvas.cr(), wide, 5, 2, ScrewHead::slotted);
    const Image image = canvas.flatten(kCaseMetal, 0.5);
    for (int x = 2; x < 28; ++x) {
        EXPECT_TRUE(drawn(image, x, 19)) << "bottom row, column " << x;
        EXPECT_FALSE(drawn(image, x, 21)) << "below the case, column " << x;
    }
    EXPECT_FALSE(drawn(image, 0, 0)) << "rounded corner";
    EXPECT_FALSE(drawn(image, 29, 19)) << "rounded corner";
    // The lower screws sit 5 pixels above the bottom edge.
    const Rgb screw = image.at(25, 15), beside = image.at(15, 15);
    EXPECT_GT(screw.r + screw.g + screw.b, beside.r + beside.g + beside.b + 60);
}

TEST(Kit, ScrewsStartAFreshOutline) {
    // Text leaves cairo a current point; a screw drawn next must not join it.
    Canvas canvas(40, 12);
    canvas.fill(0, 0, 40, 12, kDialFace);
    draw_label(canvas.cr(), {6, 6}, "8", 8, Typeface::sans_bold, kMarking);
    draw_screw(canvas.cr(), {.centre = {34, 6}, .radius = 3, .head = ScrewHead::slotted, .turn = 0});
    const Image image = canvas.flatten(kDialFace, 0.5);
    for (int x = 13; x < 29; ++x)
        for (int y = 0; y < 12; ++y) EXPECT_EQ(image.at(x, y), kDialFace) << "between them at " << x << "," << y;
}

}  // namespace
}  // namespace vexmoor::art
