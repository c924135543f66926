// Icons, sliders and sprites of the real module: the landing-gear lights,
// the flap pointer and the attitude cards and miniature aircraft.
#include <gtest/gtest.h>

#include <limits>

#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

// Green light (order 2) and red light (order 3) for a gear position. This
// module's GearDownCallback leaves the green light dark for a position that
// is not a number.
TEST(RealElements, GearLightsSelectTheirImages) {
    const struct {
        double position;
        std::uint32_t green;
        std::uint32_t red;
    } cases[] = {
        {0, 0, 0},
        {8000, 0, 1},
        {16383, 1, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0, 0},
    };
    auto panel = open_module();
    for (const auto& c : cases) {
        set_and_update(*panel, "Landing_Gear", 333, c.position);
        EXPECT_EQ(element_state(*panel, "Landing_Gear", 2).image, c.green) << c.position;
        EXPECT_EQ(element_state(*panel, "Landing_Gear", 3).image, c.red) << c.position;
    }
}

TEST(RealElements, FlapPointerSlidesDown) {
    auto panel = open_module();
    set_and_update(*panel, "Flaps", 329, 16383);
    const ElementState& pointer = element_state(*panel, "Flaps", 2);
    EXPECT_NEAR(pointer.travel_y, 59.96178, 1e-9);
    EXPECT_EQ(pointer.travel_x, 0);
    set_and_update(*panel, "Flaps", 329, 8191.5);
    EXPECT_NEAR(element_state(*panel, "Flaps", 2).travel_y, 29.98089, 1e-9);
}

TEST(RealElements, AttitudeCardsAndMiniatureAircraft) {
    auto panel = open_module();
    panel->simulation().set_value(78, 45);
    panel->simulation().set_value(80, 30);
    set_and_update(*panel, "Attitude", 612, 250);
    const ElementState& horizon = element_state(*panel, "Attitude", 2);
    EXPECT_EQ(horizon.shown_value, 30) << "the card callback limits the pitch";
    EXPECT_EQ(horizon.travel_y, 60);
    EXPECT_EQ(horizon.travel_x, 0);
    EXPECT_EQ(horizon.rotation_degrees, -30);
    const ElementState& bank = element_state(*panel, "Attitude", 3);
    EXPECT_EQ(bank.rotation_degrees, -30);
    EXPECT_EQ(bank.travel_y, 0);
    EXPECT_DOUBLE_EQ(element_state(*panel, "Attitude", 4).travel_y, -25) << "the slider has no limit";
    EXPECT_EQ(element_state(*panel, "Attitude", 5).image, 0u);
}

}  // namespace
}  // namespace vexmoor::test
