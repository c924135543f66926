// `vexpanel list` and `vexpanel inspect`: the gauges of a module and their
// records as text.
#include <gtest/gtest.h>

#include <algorithm>

#include "command_run.h"

namespace vexmoor::test {
namespace {

bool has_line(const std::string& text, const std::string& line) {
    const std::vector<std::string> lines = lines_of(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(VexpanelList, GivesTheGaugesInListOrderWithTheirSizes) {
    const CommandResult r = run_vexpanel({"list", module_path()});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(lines_of(r.out), (std::vector<std::string>{"Turn_Indicator 133x130", "Attitude 133x133",
                                                         "Altimeter 133x131", "Airspeed 133x131",
                                                         "Landing_Gear 80x40", "Flaps 50x106"}));
}

// Listing reads no artwork beyond the backgrounds: a gauge without one is
// still listed, its line saying what is missing.
struct IncompleteCase {
    std::string fixture;
    std::vector<std::string> lines;
};
void PrintTo(const IncompleteCase& c, std::ostream* os) { *os << c.fixture; }

class VexpanelListIncomplete : public testing::TestWithParam<IncompleteCase> {};

TEST_P(VexpanelListIncomplete, ListsEveryGaugeSayingWhatIsMissing) {
    const CommandResult r = run_vexpanel({"list", fixture_path(GetParam().fixture)});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(lines_of(r.out), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, VexpanelListIncomplete,
    testing::Values(IncompleteCase{"rules",
                                   {"Needles 100x? (background bitmap 0x0100 missing)",
                                    "Elements 100x? (background bitmap 0x0100 missing)",
                                    "Failures 100x? (background bitmap 0x0100 missing)",
                                    "Mouse 100x? (background bitmap 0x0100 missing)"}},
                    IncompleteCase{"bare", {"Bare 100x? (no elements)"}}),
    [](const testing::TestParamInfo<IncompleteCase>& info) { return info.param.fixture; });

struct InspectCase {
    std::string gauge;
    std::vector<std::string> lines;  // each must appear as a whole line
};
void PrintTo(const InspectCase& c, std::ostream* os) { *os << c.gauge; }

class VexpanelInspect : public testing::TestWithParam<InspectCase> {};

TEST_P(VexpanelInspect, ShowsTheGaugesRecords) {
    const CommandResult r = run_vexpanel({"inspect", module_path(), GetParam().gauge});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("gauge \"" + GetParam().gauge + "\" at 0x")) << r.out;
    for (const std::string& line : GetParam().lines) EXPECT_TRUE(has_line(r.out, line)) << line << "\n" << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    RealGauges, VexpanelInspect,
    testing::Values(
        InspectCase{"Airspeed",
                    {"  element 1: static image, bitmap 0x1300, position (0, 0), offset (0, 0), draw flags 0x1",
                     "  element 2: needle, bitmap 0x1310, position (66, 62), offset (31, 6), draw flags 0x83",
                     "    variable: token 61", "    table: 11 entries, max step 6 degrees",
                     "      3: (125, 62) value 150", "      10: (47, 7) value 700", "    failure: key 20, action 2",
                     "    failure: key 3, action 2", "  mouse 1: begin group, tooltip 0xA86B", "  mouse 3: end"}},
        InspectCase{"Landing_Gear",
                    {"  element 2: icon, bitmap 0x2220, position (49, 11), offset (0, 0), draw flags 0x7",
                     "    images: 2", "    failure: key 20, action 1",
                     "  mouse 2: child area, columns 0..74, rows 0..56, event 0x10022, cursor 5, flags 0x20000000"}},
        InspectCase{"Flaps",
                    {"  element 2: slider, bitmap 0x2510, position (12, 19), offset (0, 0), draw flags 0x3",
                     "    y slot: token 329, scale 0.00366",
                     "  mouse 3: child area, columns 0..49, rows 0..52, event 0x100DF, cursor 2, flags 0x20200000"}},
        InspectCase{"Attitude",
                    {"  element 2: sprite, bitmap 0x1110, position (0, 0), offset (66, 64), draw flags 0x81",
                     "    failure: key 8, action 0"}}),
    [](const testing::TestParamInfo<InspectCase>& info) { return info.param.gauge; });

TEST(VexpanelInspect, WithoutAGaugeShowsEveryGaugeInListOrder) {
    const CommandResult r = run_vexpanel({"inspect", module_path()});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    std::vector<std::string> names;
    for (const std::string& line : lines_of(r.out)) {
        if (line.starts_with("gauge \"")) names.push_back(line.substr(7, line.find('"', 7) - 7));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Turn_Indicator", "Attitude", "Altimeter", "Airspeed",
                                               "Landing_Gear", "Flaps"}));
}

}  // namespace
}  // namespace vexmoor::test
