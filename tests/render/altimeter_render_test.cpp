// The altimeter's three needles drawn on their one pivot. Each, drawn alone
// over the dial, lies along the ray toward its own table point and reaches
// exactly as far out as its own blade (short 24, broad 33, long 56); drawn
// together, long over broad over short.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "rays.h"

namespace vexmoor::test {
namespace {

constexpr IntPoint kPivot{66, 64};
constexpr int kShort = 2, kBroad = 3, kLong = 4;

struct Needle {
    int order;
    const char* name;
    Blade blade;
};
// Blades from the bitmaps: 0x1230 cream from column 13 to 30 about the hub at
// 6, 0x1220 a leaf up to 11 wide from 23 to 50 about 17, 0x1210 from 31 to 80
// about 24.
const Needle kNeedles[] = {
    {kShort, "short", {.from = 7, .to = 24, .half_width = 2.5, .side_degrees = 15}},
    {kBroad, "broad", {.from = 6, .to = 33, .half_width = 5.5, .side_degrees = 20}},
    {kLong, "long", {.from = 7, .to = 56, .half_width = 2.5, .side_degrees = 10}},
};

// The numerals' table points, 0 to 9 and the top again.
constexpr IntPoint kNumerals[] = {{66, 6},    {100, 18}, {121, 46}, {121, 83}, {100, 110}, {66, 122},
                                  {33, 111},  {11, 83},  {11, 46},  {32, 17},  {66, 6}};

// The direction of a reading on the numbered dial (0 to 10, repeating).
double on_dial(double numeral) {
    const double n = std::fmod(numeral, 10.0);
    const int k = int(n);
    return clockwise_between(bearing(kPivot, kNumerals[k]), bearing(kPivot, kNumerals[k + 1]), n - k);
}

// The long needle's table alternates the points straight up and straight
// down, 500 apart: half a turn clockwise per 500.
double half_turns(double altitude) {
    const double steps = altitude / 500;
    const int k = int(steps);
    const double up = bearing(kPivot, {66, 0}), down = bearing(kPivot, {66, 132});
    return k % 2 == 0 ? clockwise_between(up, down, steps - k) : clockwise_between(down, up, steps - k);
}

struct Reading {
    double altitude;
    double short_direction, broad_direction, long_direction;
};

const Reading kReadings[] = {
    {0, on_dial(0), on_dial(0), half_turns(0)},
    {250, on_dial(0.025), on_dial(0.25), half_turns(250)},  // long at 3 o'clock
    {750, on_dial(0.075), on_dial(0.75), half_turns(750)},  // long at 9 o'clock
    {5500, on_dial(0.55), on_dial(5.5), half_turns(5500)},   // long on 500, straight down
    {10000, on_dial(1), on_dial(10), half_turns(10000)},
    // Beyond the long and broad tables, which span whole turns and repeat.
    {15500, on_dial(1.55), on_dial(15.5), half_turns(15500)},
};

double direction_of(const Reading& r, int order) {
    return order == kShort ? r.short_direction : order == kBroad ? r.broad_direction : r.long_direction;
}

TEST(AltimeterRender, EachNeedleLiesAlongTheRayOfItsOwnTablePoint) {
    for (const Reading& reading : kReadings) {
        SCOPED_TRACE(reading.altitude);
        GaugeView altimeter("Altimeter");
        altimeter.settle(74, reading.altitude);
        const RgbaImage dial = altimeter.render_only({1});
        keep_picture(altimeter.render(), "altimeter_" + std::to_string(int(reading.altitude)));
        for (const Needle& needle : kNeedles) {
            SCOPED_TRACE(needle.name);
            const double direction = direction_of(reading, needle.order);
            EXPECT_TRUE(blade_along(altimeter.render_only({1, needle.order}), dial, kPivot, direction, needle.blade));
        }
    }
}

// At 0 all three point straight up: the long needle lies over the other two,
// and the broad needle's leaf, wider than the long blade, shows beside it.
TEST(AltimeterRender, TheLongNeedleIsDrawnOverTheBroadOverTheShort) {
    GaugeView altimeter("Altimeter");
    altimeter.settle(74, 0);
    const RgbaImage picture = altimeter.render();
    const RgbaImage long_only = altimeter.render_only({1, kLong});
    for (double r = 8; r <= 55; r += 0.5) {
        ASSERT_EQ(along(picture, kPivot, 0, r), along(long_only, kPivot, 0, r)) << r;
    }
    const RgbaImage broad_only = altimeter.render_only({1, kBroad});
    for (int dx : {-4, 4}) {
        for (int y = kPivot.y - 20; y <= kPivot.y - 15; ++y) {
            const Rgba leaf = pixel(picture, kPivot.x + dx, y);
            EXPECT_TRUE(pale_cream(leaf)) << dx << "," << y;
            EXPECT_EQ(leaf, pixel(broad_only, kPivot.x + dx, y)) << dx << "," << y;
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
