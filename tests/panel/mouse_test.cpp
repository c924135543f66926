// Hit-testing and clicks: on the fixture gauge "Mouse" (overlapping areas,
// an empty area, an area at the edge of 32-bit coordinates, an area without
// event) and at the edges of the real module's areas.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

struct HitCase {
    std::int32_t x;
    std::int32_t y;
    std::optional<std::uint32_t> event;  // nothing: no area there
};

void expect_hits(Panel& panel, const std::string& gauge, std::initializer_list<HitCase> cases) {
    for (const HitCase& c : cases) {
        const std::optional<panel::MouseHit> hit = panel.hit_test(gauge, c.x, c.y);
        SCOPED_TRACE(gauge + " at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        ASSERT_EQ(hit.has_value(), c.event.has_value());
        if (hit) {
            EXPECT_EQ(hit->event_id, *c.event);
        }
    }
}

TEST(MouseAreas, BoxesCoverTheirWidthAndHeightFirstAreaWins) {
    auto panel = open_fixture("rules");
    expect_hits(*panel, "Mouse",
                {
                    {10, 20, 0x101}, {14, 22, 0x101},                     // corners of the first box
                    {12, 21, 0x101},                                      // where the second overlaps it
                    {15, 20, 0x102}, {16, 22, 0x102},                     // the second box beyond the first
                    {9, 20, {}},     {17, 20, {}},   {10, 19, {}}, {10, 23, {}},
                    {30, 30, {}},    {30, 32, {}},                        // a box of width 0
                    {INT32_MAX, 0, 0x104}, {0x7FFFFFF0, 4, 0x104},        // no overflow at the right edge
                    {0x7FFFFFEF, 0, {}}, {INT32_MIN, 0, {}},
                    {42, 42, 0},                                          // an area without an event
                });
}

TEST(MouseAreas, HitGivesCursorFlagsAndTheGaugeTooltip) {
    auto panel = open_fixture("rules");
    const std::optional<panel::MouseHit> hit = panel->hit_test("Mouse", 16, 21);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->record, 2u);
    EXPECT_EQ(hit->cursor, 2);
    EXPECT_EQ(hit->mouse_flags, 0x20200000u);
    EXPECT_EQ(hit->help_id, 0x77u);
    EXPECT_EQ(panel::gauge_tooltip(panel->gauge("Mouse")), 0x77u);
    EXPECT_EQ(panel::gauge_tooltip(panel->gauge("Needles")), 0u);
    EXPECT_FALSE(panel->hit_test("Needles", 50, 50)) << "a gauge without a mouse table";
}

TEST(MouseAreas, ClickSendsTheAreasEventOnly) {
    auto panel = open_fixture("rules");
    EXPECT_TRUE(panel->click("Mouse", 11, 21));
    EXPECT_FALSE(panel->click("Mouse", 0, 0));
    EXPECT_TRUE(panel->click("Mouse", 42, 42)) << "an area without an event is still hit";
    EXPECT_TRUE(panel->click("Mouse", 16, 20));
    const auto& events = panel->simulation().events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].gauge, "Mouse");
    EXPECT_EQ(events[0].event_id, 0x101u);
    EXPECT_EQ(events[1].event_id, 0x102u);
}

TEST(MouseAreas, RealGaugeEdges) {
    auto panel = open_module();
    // The lower-left knob's halves leave its axis, column 15, between them.
    expect_hits(*panel, "Attitude",
                {{15, 110, {}}, {14, 110, 0x1030F}, {16, 110, 0x1030E}, {2, 104, 0x1030F}, {1, 110, {}},
                 {28, 130, 0x1030E}, {29, 110, {}}, {14, 103, {}}, {14, 131, {}},
                 {104, 104, 0x10345}, {130, 130, 0x10345}, {131, 120, {}}});
    // Flaps: the upper half ends at row 52, the lower begins at 54.
    expect_hits(*panel, "Flaps",
                {{10, 0, 0x100DF}, {10, 52, 0x100DF}, {10, 53, {}}, {10, 54, 0x100DE}, {10, 106, 0x100DE},
                 {10, 107, {}}, {0, 30, 0x100DF}, {49, 80, 0x100DE}, {50, 80, {}}, {-1, 30, {}}});
    // Altimeter: columns 1..12 and 13..24, rows 92..106.
    expect_hits(*panel, "Altimeter",
                {{12, 92, 0x1015C}, {13, 92, 0x1015B}, {1, 106, 0x1015C}, {24, 106, 0x1015B}, {0, 100, {}},
                 {25, 100, {}}, {12, 91, {}}, {13, 107, {}}});
    const std::optional<panel::MouseHit> hit = panel->hit_test("Altimeter", 12, 100);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->cursor, 2);
    EXPECT_EQ(hit->help_id, 0xAB07u);
    EXPECT_EQ(panel->hit_test("Altimeter", 13, 100)->cursor, 1);
}

}  // namespace
}  // namespace vexmoor::test
