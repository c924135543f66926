// The airspeed needle drawn on its dial: along the ray from its pivot toward
// the table point of the speed shown, and turning there clockwise, 6 degrees
// an update at most, round the dial and never through the gap at the top.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "rays.h"

namespace vexmoor::test {
namespace {

constexpr int kNeedle = 2;
constexpr IntPoint kPivot{66, 62};
// 0x1310: cream from bitmap column 38 to the tip at 87, the hub's centre at
// column 31; five rows thick.
constexpr Blade kBlade{.from = 7, .to = 56, .half_width = 2.5};

double mark(IntPoint table_point) { return bearing(kPivot, table_point); }

TEST(AirspeedRender, TheNeedleLiesAlongTheRayOfItsTablePoint) {
    const struct {
        double input;
        double shown;
        double direction;
    } cases[] = {
        {0, 0, mark({66, 5})},
        {125, 144, clockwise_between(mark({107, 21}), mark({125, 62}), 44.0 / 50)},  // between 100 and 150
        {250, 288, clockwise_between(mark({57, 123}), mark({16, 97}), 38.0 / 50)},   // between 250 and 300
        {1000, 700, mark({47, 7})},  // the last mark, 19 degrees left of the top
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        GaugeView airspeed("Airspeed");
        airspeed.settle(61, c.input);
        EXPECT_NEAR(airspeed.state(kNeedle).shown_value, c.shown, 1e-9);
        const RgbaImage picture = airspeed.render();
        keep_picture(picture, "airspeed_" + std::to_string(int(c.shown)));
        EXPECT_TRUE(blade_along(picture, airspeed.render_only({1}), kPivot, c.direction, kBlade));
    }
    EXPECT_NEAR(mark({47, 7}), 360 - 19, 0.5);
}

// 500 shows 576, between the 500 and 600 marks, left of the top: the needle
// goes there the long way round, 6 degrees an update clockwise through 3 and
// 6 o'clock, not back through the gap at the top.
TEST(AirspeedRender, TheNeedleTurnsSixDegreesAnUpdateClockwiseRoundTheDial) {
    GaugeView airspeed("Airspeed");
    const RgbaImage dial = airspeed.render_only({1});
    const double target = clockwise_between(mark({9, 44}), mark({24, 21}), 76.0 / 100);
    airspeed.set(61, 500);
    int updates = 0;
    do {
        airspeed.update();
        ++updates;
        ASSERT_LT(updates, 100);
        const RgbaImage picture = airspeed.render();
        if (updates == 1 || updates == 30) keep_picture(picture, "airspeed_576_update_" + std::to_string(updates));
        const double expected = std::min(6.0 * updates, target);
        const double shown = blade_direction(picture, dial, kPivot, kBlade);
        ASSERT_NEAR(angle_difference(shown, expected), 0, 1) << "update " << updates << " shows " << shown;
    } while (!airspeed.panel().instance("Airspeed").settled());
    EXPECT_EQ(updates, int(std::ceil(target / 6)));
    const RgbaImage picture = airspeed.render();
    keep_picture(picture, "airspeed_576");
    EXPECT_TRUE(blade_along(picture, dial, kPivot, target, kBlade));
}

}  // namespace
}  // namespace vexmoor::test
