// Icons, sliders and sprites on the fixture gauge "Elements", and what one
// update writes into the module's variables.
#include <gtest/gtest.h>

#include <limits>

#include "panel/record_layout.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

namespace L = panel::layout;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr int kLamp = 2;          // three images, token 11
constexpr int kFixedImage = 3;    // two images, token 0, value 1 in the module
constexpr int kDoubledLamp = 4;   // four images, token 12, callback doubles
constexpr int kSlider = 5;        // x token 21 scale 2, y token 22 scale -0.5
constexpr int kSprite = 6;        // x token 31 scale 1.5, y token 32 through ClampTen scale 2, rotation 33 scale -1

TEST(ElementRules, IconShowsTheTruncatedValueWithinItsImages) {
    const struct {
        double value;
        std::uint32_t image;
    } cases[] = {{0, 0},  {0.99, 0}, {1, 1},       {1.9, 1}, {2, 2},       {7, 2},
                 {-0.5, 0}, {-3, 0}, {kNaN, 0}, {kInf, 2}, {-kInf, 0}, {4294967296.0, 2}};
    auto panel = open_fixture("rules");
    for (const auto& c : cases) {
        set_and_update(*panel, "Elements", 11, c.value);
        EXPECT_EQ(element_state(*panel, "Elements", kLamp).image, c.image) << "value " << c.value;
    }
}

TEST(ElementRules, IconShowsWhatItsCallbackReturns) {
    auto panel = open_fixture("rules");
    set_and_update(*panel, "Elements", 12, 1.5);
    EXPECT_EQ(element_state(*panel, "Elements", kDoubledLamp).shown_value, 3.0);
    EXPECT_EQ(element_state(*panel, "Elements", kDoubledLamp).image, 3u);
    set_and_update(*panel, "Elements", 12, 0.9);
    EXPECT_EQ(element_state(*panel, "Elements", kDoubledLamp).image, 1u);
}

// Token 0: the host leaves the variable as the module has it.
TEST(ElementRules, AVariableWithoutTokenIsLeftAlone) {
    auto panel = open_fixture("rules");
    panel->simulation().set_value(0, 5);
    panel->update("Elements", 2);
    const Address variable = element_record(*panel, "Elements", kFixedImage).variable.address;
    EXPECT_EQ(panel->runtime().read_f64(variable + L::variable::kValue), 1.0);
    EXPECT_EQ(panel->runtime().read_f64(variable + L::variable::kPrevious), 0.0);
    EXPECT_EQ(element_state(*panel, "Elements", kFixedImage).image, 1u);
}

TEST(ElementRules, UpdateWritesTheValueAndKeepsThePreviousOne) {
    auto panel = open_fixture("rules");
    const Address variable = element_record(*panel, "Elements", kLamp).variable.address;
    set_and_update(*panel, "Elements", 11, 1);
    set_and_update(*panel, "Elements", 11, 2);
    EXPECT_EQ(panel->runtime().read_f64(variable + L::variable::kValue), 2.0);
    EXPECT_EQ(panel->runtime().read_f64(variable + L::variable::kPrevious), 1.0);
    EXPECT_EQ(panel->simulation().update_count(), 2u);
}

TEST(ElementRules, SliderTravelsValueTimesScaleOnEachAxis) {
    auto panel = open_fixture("rules");
    panel->simulation().set_value(21, 3);
    set_and_update(*panel, "Elements", 22, 4);
    const ElementState& s = element_state(*panel, "Elements", kSlider);
    EXPECT_EQ(s.travel_x, 6.0);
    EXPECT_EQ(s.travel_y, -2.0);
    // A slot whose product is not a finite number does not move.
    set_and_update(*panel, "Elements", 22, kNaN);
    EXPECT_EQ(element_state(*panel, "Elements", kSlider).travel_y, 0.0);
    set_and_update(*panel, "Elements", 21, kInf);
    EXPECT_EQ(element_state(*panel, "Elements", kSlider).travel_x, 0.0);
}

TEST(ElementRules, SpriteTravelsAndTurnsItsSlotsTimesTheirScales) {
    auto panel = open_fixture("rules");
    panel->simulation().set_value(31, 4);
    panel->simulation().set_value(32, 25);
    set_and_update(*panel, "Elements", 33, 30);
    const ElementState& s = element_state(*panel, "Elements", kSprite);
    EXPECT_EQ(s.travel_x, 6.0);
    EXPECT_EQ(s.shown_value, 10.0) << "the y value goes through the y callback";
    EXPECT_EQ(s.travel_y, 20.0);
    EXPECT_EQ(s.rotation_degrees, -30.0);
    set_and_update(*panel, "Elements", 32, -3);
    EXPECT_EQ(element_state(*panel, "Elements", kSprite).travel_y, -6.0);
}

}  // namespace
}  // namespace vexmoor::test
