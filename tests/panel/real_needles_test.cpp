// The needle rules on the real module's needles: the altimeter's half-turn
// steps and its repeating scale, the turn indicator's falling ball table,
// and the airspeed needle's step limit.
#include <gtest/gtest.h>

#include <cmath>

#include "panel/needle_scale.h"
#include "panel/record_layout.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

using panel::direction_degrees;

constexpr int kShort = 2, kBroad = 3, kLong = 4;  // the altimeter's needles
constexpr panel::IntPoint kAltimeterPivot = {66, 64};

const ElementState& altimeter(Panel& panel, int order) { return element_state(panel, "Altimeter", order); }

TEST(RealNeedles, AltimeterLongNeedleTurnsHalfTurnsClockwise) {
    const struct {
        double altitude;
        double long_direction;
        double broad_direction;
    } cases[] = {
        {0, 0, 0},
        {250, 90, direction_degrees(kAltimeterPivot, {100, 18}) / 4},  // 3 o'clock; a quarter of the way to 1
        {500, 180, direction_degrees(kAltimeterPivot, {100, 18}) / 2},
        {750, 270, direction_degrees(kAltimeterPivot, {100, 18}) * 3 / 4},  // 9 o'clock
        {1000, 0, direction_degrees(kAltimeterPivot, {100, 18})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.altitude);
        auto panel = open_module();
        panel->simulation().set_value(74, c.altitude);
        panel->update_until_settled("Altimeter");
        EXPECT_NEAR(altimeter(*panel, kLong).direction_degrees, c.long_direction, 1e-9);
        EXPECT_NEAR(altimeter(*panel, kLong).cumulative_degrees, c.altitude * 360 / 1000, 1e-9);
        EXPECT_NEAR(altimeter(*panel, kBroad).direction_degrees, c.broad_direction, 1e-9);
    }
}

// 15500 lies beyond the 0..10000 tables of the long and broad needles;
// their scales span whole turns (ten and one), so they repeat.
TEST(RealNeedles, AltimeterScalesRepeatBeyondTheirTables) {
    auto panel = open_module();
    panel->simulation().set_value(74, 15500);
    panel->update_until_settled("Altimeter");
    EXPECT_NEAR(altimeter(*panel, kLong).direction_degrees, 180, 1e-9);
    EXPECT_NEAR(altimeter(*panel, kLong).cumulative_degrees, 10 * 360 + 5.5 * 360, 1e-9);
    const double five = direction_degrees(kAltimeterPivot, {66, 122});
    const double six = direction_degrees(kAltimeterPivot, {33, 111});
    EXPECT_NEAR(altimeter(*panel, kBroad).direction_degrees, (five + six) / 2, 1e-9);
    EXPECT_NEAR(altimeter(*panel, kBroad).cumulative_degrees, 360 + (five + six) / 2, 1e-9);
    // The short needle has table points for it: halfway between 1 and 2.
    const double one = direction_degrees(kAltimeterPivot, {100, 18});
    const double two = direction_degrees(kAltimeterPivot, {121, 46});
    EXPECT_NEAR(altimeter(*panel, kShort).direction_degrees, one + 0.55 * (two - one), 1e-9);
}

TEST(RealNeedles, AltimeterTablesReceiveTheirCumulativeAngles) {
    auto panel = open_module();
    panel->update("Altimeter");
    const panel::ElementRecord& e = element_record(*panel, "Altimeter", kLong);
    for (std::uint32_t k = 0; k < e.table.size(); ++k) {
        EXPECT_EQ(panel->runtime().read_f64(e.table_address + k * 24 + panel::layout::table_entry::kAngle), 180.0 * k);
    }
}

// The ball's table falls from 127 on the right to -127 on the left, seen
// from a pivot high above the gauge; the ball jumps (no step limit).
TEST(RealNeedles, TurnBallFollowsItsFallingTable) {
    const panel::IntPoint pivot = {66, -105};
    const struct {
        double value;
        double direction;
    } cases[] = {
        {127, direction_degrees(pivot, {103, 87})},
        {200, direction_degrees(pivot, {103, 87})},
        {0, 180},
        {-63.5, (180 + direction_degrees(pivot, {29, 87})) / 2},
        {-127, direction_degrees(pivot, {29, 87})},
    };
    auto panel = open_module();
    for (const auto& c : cases) {
        set_and_update(*panel, "Turn_Indicator", 69, c.value);
        EXPECT_NEAR(element_state(*panel, "Turn_Indicator", 2).direction_degrees, c.direction, 1e-9) << c.value;
    }
    set_and_update(*panel, "Turn_Indicator", 69, 127);
    EXPECT_LT(element_state(*panel, "Turn_Indicator", 2).direction_degrees, 180) << "127 lies right of centre";
}

// From 0 to 576 mph (500 before the callback's factor 1.152) the needle
// turns clockwise along the dial, 6 degrees per update, never the short way
// back across the gap at the top.
TEST(RealNeedles, AirspeedTurnsAtMostSixDegreesPerUpdateAlongTheDial) {
    auto panel = open_module();
    panel->simulation().set_value(61, 500);
    double previous = element_state(*panel, "Airspeed", 2).cumulative_degrees;
    EXPECT_EQ(previous, 0);
    for (int n = 1; n <= 5; ++n) {
        panel->update("Airspeed");
        EXPECT_DOUBLE_EQ(element_state(*panel, "Airspeed", 2).direction_degrees, 6.0 * n);
    }
    int updates = 5;
    previous = 30;
    while (!panel->instance("Airspeed").settled()) {
        panel->update("Airspeed");
        ++updates;
        const double now = element_state(*panel, "Airspeed", 2).cumulative_degrees;
        ASSERT_GT(now, previous);
        ASSERT_LE(now - previous, 6.0);
        previous = now;
        ASSERT_LT(updates, 100);
    }
    const panel::IntPoint pivot = {66, 62};
    const double d500 = direction_degrees(pivot, {9, 44});
    const double d600 = direction_degrees(pivot, {24, 21});
    const double expected = d500 + 0.76 * (d600 - d500);
    EXPECT_NEAR(element_state(*panel, "Airspeed", 2).shown_value, 576, 1e-9);
    EXPECT_NEAR(element_state(*panel, "Airspeed", 2).direction_degrees, expected, 1e-9);
    EXPECT_EQ(updates, static_cast<int>(std::ceil(expected / 6)));
}

}  // namespace
}  // namespace vexmoor::test
