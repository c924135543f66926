// The needle rules on the fixture gauge "Needles", whose needles turn about
// (50, 50) toward table points in the eight compass directions: where each
// needle starts, interpolation clockwise from entry to entry (across the top,
// in half turns, a full turn in one step, along a falling table), the ends
// of a table and the periodic scale, the rule for a needle without a table,
// and the step limit along the scale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "panel/error.h"
#include "panel/record_layout.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Places in the drawing order and the tokens they show.
struct Needle {
    int order;
    std::uint32_t token;
};
constexpr Needle kWrap = {2, 1};        // 315 -> 45 -> 135 for 0, 10, 20
constexpr Needle kHalfTurns = {3, 2};   // up, down, up for 0, 1, 2
constexpr Needle kFullTurn = {4, 3};    // right, right for 0, 8
constexpr Needle kFalling = {5, 4};     // 135, 180, 225 for 10, 0, -10
constexpr Needle kStepped = {6, 5};     // value = direction, 0..270, 10 degrees per update
constexpr Needle kUntabled = {7, 6};    // no table; callback doubles the value

const ElementState& show(Panel& panel, Needle needle, double value) {
    set_and_update(panel, "Needles", needle.token, value);
    return element_state(panel, "Needles", needle.order);
}

TEST(NeedleRules, NeedlesStartAtTheirFirstTableEntryOrAsDrawn) {
    auto panel = open_fixture("rules");
    const struct {
        Needle needle;
        double direction;
    } cases[] = {{kWrap, 315}, {kHalfTurns, 0}, {kFullTurn, 90}, {kFalling, 135}, {kStepped, 0}, {kUntabled, 90}};
    for (const auto& c : cases) {
        const ElementState& s = element_state(*panel, "Needles", c.needle.order);
        EXPECT_DOUBLE_EQ(s.direction_degrees, c.direction) << "element " << c.needle.order;
        EXPECT_DOUBLE_EQ(s.cumulative_degrees, c.direction) << "element " << c.needle.order;
    }
}

struct Placement {
    const char* what;
    Needle needle;
    double value;
    double direction;   // folded into 0..360
    double cumulative;  // along the scale
};

const Placement kPlacements[] = {
    {"wrap: the first entry", kWrap, 0, 315, 315},
    {"wrap: a quarter of the step across the top", kWrap, 2.5, 337.5, 337.5},
    {"wrap: halfway across the top", kWrap, 5, 0, 360},
    {"wrap: the second entry", kWrap, 10, 45, 405},
    {"wrap: between the second and third", kWrap, 15, 90, 450},
    {"wrap: below the first entry stops there", kWrap, -5, 315, 315},
    {"wrap: above the last entry stops there", kWrap, 25, 135, 495},
    {"wrap: infinity stops at the last entry", kWrap, kInf, 135, 495},
    {"half turns: halfway down turns through 3 o'clock", kHalfTurns, 0.5, 90, 90},
    {"half turns: the bottom", kHalfTurns, 1, 180, 180},
    {"half turns: halfway up turns through 9 o'clock", kHalfTurns, 1.5, 270, 270},
    {"half turns: the top again after one turn", kHalfTurns, 2, 0, 360},
    {"half turns: the scale repeats above its end", kHalfTurns, 2.5, 90, 450},
    {"half turns: two laps on", kHalfTurns, 5.5, 270, 990},
    {"half turns: and below its start", kHalfTurns, -0.5, 270, -90},
    {"full turn: a quarter of the way round", kFullTurn, 2, 180, 180},
    {"full turn: the end of the turn", kFullTurn, 8, 90, 450},
    {"full turn: the second lap", kFullTurn, 10, 180, 540},
    {"falling: the first entry", kFalling, 10, 135, 135},
    {"falling: between the first two", kFalling, 5, 157.5, 157.5},
    {"falling: the middle", kFalling, 0, 180, 180},
    {"falling: between the last two", kFalling, -5, 202.5, 202.5},
    {"falling: beyond the first entry stops there", kFalling, 20, 135, 135},
    {"falling: beyond the last entry stops there", kFalling, -20, 225, 225},
    {"no table: 90 + the callback's double of 15", kUntabled, 15, 120, 120},
    {"no table: the value turns back to straight up", kUntabled, -45, 0, 0},
    {"no table: a full turn further", kUntabled, 135, 0, 360},
};

TEST(NeedleRules, PlaceTheValueAlongTheCumulativeScale) {
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(p.what);
        auto panel = open_fixture("rules");
        const ElementState& s = show(*panel, p.needle, p.value);
        EXPECT_NEAR(s.direction_degrees, p.direction, 1e-9);
        EXPECT_NEAR(s.cumulative_degrees, p.cumulative, 1e-9);
    }
}

TEST(NeedleRules, AValueThatIsNotANumberLeavesTheNeedleWhereItIs) {
    auto panel = open_fixture("rules");
    for (Needle needle : {kWrap, kHalfTurns, kUntabled}) {
        SCOPED_TRACE(needle.order);
        show(*panel, needle, 0.5);
        const double before = element_state(*panel, "Needles", needle.order).cumulative_degrees;
        EXPECT_EQ(show(*panel, needle, kNaN).cumulative_degrees, before);
    }
    // Infinity has no place on a scale that repeats, nor has a value whose
    // turns overflow.
    const double before = element_state(*panel, "Needles", kHalfTurns.order).cumulative_degrees;
    EXPECT_EQ(show(*panel, kHalfTurns, kInf).cumulative_degrees, before);
    EXPECT_EQ(show(*panel, kHalfTurns, 1e308).cumulative_degrees, before);
    EXPECT_EQ(element_state(*panel, "Needles", kHalfTurns.order).direction_degrees, 90);
}

// The host's angle field of each table entry holds its cumulative angle.
TEST(NeedleRules, TableEntriesReceiveTheirCumulativeAngles) {
    auto panel = open_fixture("rules");
    panel->update("Needles");
    const panel::ElementRecord& e = element_record(*panel, "Needles", kHalfTurns.order);
    std::vector<double> angles;
    for (std::size_t k = 0; k < e.table.size(); ++k) {
        angles.push_back(panel->runtime().read_f64(e.table_address + static_cast<Address>(k) * 24 +
                                                   panel::layout::table_entry::kAngle));
    }
    EXPECT_EQ(angles, (std::vector<double>{0, 180, 360}));
}

// The stepped needle reads 0..270 clockwise from the top, leaving a gap of
// 90 degrees on the upper left. Going from 0 to 270 it turns clockwise, the
// long way round, 10 degrees at a time; going back it sweeps back the same
// way; a last step shorter than the limit lands exactly.
TEST(NeedleRules, StepLimitTurnsAlongTheScaleNeverThroughTheGap) {
    auto panel = open_fixture("rules");
    panel->simulation().set_value(kStepped.token, 270);
    for (int n = 1; n <= 27; ++n) {
        panel->update("Needles");
        const ElementState& s = element_state(*panel, "Needles", kStepped.order);
        ASSERT_DOUBLE_EQ(s.cumulative_degrees, 10.0 * n) << "update " << n;
        EXPECT_DOUBLE_EQ(s.direction_degrees, 10.0 * n) << "update " << n;
    }
    EXPECT_TRUE(panel->instance("Needles").settled());

    panel->simulation().set_value(kStepped.token, 0);
    panel->update("Needles");
    EXPECT_DOUBLE_EQ(element_state(*panel, "Needles", kStepped.order).direction_degrees, 260);
    EXPECT_FALSE(panel->instance("Needles").settled());
    EXPECT_EQ(panel->update_until_settled("Needles"), 26);
    EXPECT_DOUBLE_EQ(element_state(*panel, "Needles", kStepped.order).direction_degrees, 0);

    panel->simulation().set_value(kStepped.token, 95);
    EXPECT_EQ(panel->update_until_settled("Needles"), 10);
    EXPECT_DOUBLE_EQ(element_state(*panel, "Needles", kStepped.order).direction_degrees, 95);
}

TEST(NeedleRules, AGaugeThatDoesNotSettleInTimeIsAnError) {
    auto panel = open_fixture("rules");
    panel->simulation().set_value(kStepped.token, 270);
    EXPECT_THROW(panel->update_until_settled("Needles", 3), panel::Error);
    EXPECT_DOUBLE_EQ(element_state(*panel, "Needles", kStepped.order).direction_degrees, 30);
}

}  // namespace
}  // namespace vexmoor::test
