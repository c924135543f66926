// Failure actions, on the fixture gauge "Failures" (key 5 freezes, key 6
// hides, key 7 drops to rest, key 8 names an unknown action) and on the
// real module's airspeed (drop), landing gear (hide) and attitude (freeze).
#include <gtest/gtest.h>

#include "panel/record_layout.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

namespace L = panel::layout;

// Places in the drawing order, their tokens, and the value each shows
// before the failures.
struct Bound {
    int order;
    std::uint32_t token;
};
constexpr Bound kFrozen = {2, 41};   // freeze on 5; callback doubles
constexpr Bound kHidden = {3, 42};   // hide on 6
constexpr Bound kDropped = {4, 43};  // drop on 7; callback adds 30; 10 degrees per update
constexpr Bound kBoth = {5, 44};     // freeze on 5 and drop on 7
constexpr Bound kLamp = {6, 45};     // drop on 7
constexpr Bound kSlider = {7, 46};   // drop on 7
constexpr Bound kUnknown = {8, 47};  // action 9 on 8

class FailureActions : public testing::Test {
protected:
    void SetUp() override {
        panel_ = open_fixture("rules");
        set(kFrozen, 45);
        set(kHidden, 180);
        set(kDropped, 60);
        set(kBoth, 270);
        set(kLamp, 1);
        set(kSlider, 7);
        set(kUnknown, 90);
        panel_->update_until_settled("Failures");
    }

    void set(Bound b, double value) { panel_->simulation().set_value(b.token, value); }
    const ElementState& state(Bound b) { return element_state(*panel_, "Failures", b.order); }
    double variable(Bound b) {
        const Address at = element_record(*panel_, "Failures", b.order).variable.address;
        return panel_->runtime().read_f64(at + L::variable::kValue);
    }
    void fail_all() {
        for (int key : {5, 6, 7, 8}) panel_->simulation().set_failure(key);
    }

    std::unique_ptr<Panel> panel_;
};

TEST_F(FailureActions, BeforeAnyFailureEveryElementFollowsItsValue) {
    EXPECT_EQ(state(kFrozen).direction_degrees, 90);
    EXPECT_EQ(state(kDropped).direction_degrees, 90);
    EXPECT_EQ(state(kLamp).image, 1u);
    EXPECT_EQ(state(kSlider).travel_y, 7);
    EXPECT_TRUE(state(kHidden).visible);
}

TEST_F(FailureActions, FreezeKeepsTheStateAndLeavesVariableAndCallbackAlone) {
    fail_all();
    set(kFrozen, 135);
    set(kBoth, 0);
    panel_->update("Failures", 3);
    EXPECT_EQ(state(kFrozen).direction_degrees, 90);
    EXPECT_EQ(state(kFrozen).shown_value, 90);
    EXPECT_EQ(variable(kFrozen), 45) << "the variable was not written";
    EXPECT_TRUE(state(kFrozen).visible);
    EXPECT_EQ(state(kBoth).direction_degrees, 270) << "freeze wins over drop";
}

TEST_F(FailureActions, HideStopsDrawingButNotUpdating) {
    fail_all();
    set(kHidden, 90);
    panel_->update("Failures");
    EXPECT_FALSE(state(kHidden).visible);
    EXPECT_EQ(state(kHidden).direction_degrees, 90);
    panel_->simulation().set_failure(6, false);
    panel_->update("Failures");
    EXPECT_TRUE(state(kHidden).visible);
}

// The dropped needle's callback adds 30: resting at 0 shows it was placed
// for 0 without its callback.
TEST_F(FailureActions, DropTurnsTowardZeroAtTheStepLimit) {
    fail_all();
    set(kDropped, 240);
    panel_->update("Failures");
    EXPECT_EQ(state(kDropped).shown_value, 0);
    EXPECT_EQ(state(kDropped).direction_degrees, 80);
    EXPECT_EQ(variable(kDropped), 60) << "the variable was not written";
    EXPECT_EQ(state(kLamp).image, 0u);
    EXPECT_EQ(state(kSlider).travel_y, 0);
    EXPECT_EQ(panel_->update_until_settled("Failures"), 8);
    EXPECT_EQ(state(kDropped).direction_degrees, 0);

    panel_->simulation().set_failure(7, false);
    panel_->update_until_settled("Failures");
    EXPECT_EQ(state(kDropped).direction_degrees, 270);
    EXPECT_EQ(state(kLamp).image, 1u);
}

TEST_F(FailureActions, UnknownActionsDoNothing) {
    fail_all();
    set(kUnknown, 180);
    panel_->update("Failures");
    EXPECT_EQ(state(kUnknown).direction_degrees, 180);
    EXPECT_TRUE(state(kUnknown).visible);
}

TEST(RealFailures, AirspeedDropsToZeroOnEitherKey) {
    for (int key : {20, 3}) {
        SCOPED_TRACE(key);
        auto panel = open_module();
        set_and_update(*panel, "Airspeed", 61, 500);
        panel->update_until_settled("Airspeed");
        const double shown = element_state(*panel, "Airspeed", 2).direction_degrees;
        panel->simulation().set_failure(key);
        panel->update("Airspeed");
        EXPECT_NEAR(element_state(*panel, "Airspeed", 2).direction_degrees, shown - 6, 1e-9);
        panel->update_until_settled("Airspeed");
        EXPECT_EQ(element_state(*panel, "Airspeed", 2).direction_degrees, 0);
    }
}

TEST(RealFailures, GearLightsHideOnKey20) {
    auto panel = open_module();
    panel->simulation().set_failure(20);
    set_and_update(*panel, "Landing_Gear", 333, 16383);
    EXPECT_TRUE(element_state(*panel, "Landing_Gear", 1).visible);
    EXPECT_FALSE(element_state(*panel, "Landing_Gear", 2).visible);
    EXPECT_FALSE(element_state(*panel, "Landing_Gear", 3).visible);
    EXPECT_EQ(element_state(*panel, "Landing_Gear", 2).image, 1u) << "a hidden light goes on updating";
}

TEST(RealFailures, AttitudeCardsFreezeOnKey8WhileTheAircraftMoves) {
    auto panel = open_module();
    panel->simulation().set_value(80, 20);
    set_and_update(*panel, "Attitude", 78, 10);
    panel->simulation().set_failure(8);
    panel->simulation().set_value(78, -10);
    panel->simulation().set_value(80, -20);
    set_and_update(*panel, "Attitude", 612, 100);
    EXPECT_EQ(element_state(*panel, "Attitude", 2).travel_y, 20);
    EXPECT_EQ(element_state(*panel, "Attitude", 2).rotation_degrees, -20);
    EXPECT_EQ(element_state(*panel, "Attitude", 3).rotation_degrees, -20);
    EXPECT_DOUBLE_EQ(element_state(*panel, "Attitude", 4).travel_y, -10);
}

}  // namespace
}  // namespace vexmoor::test
