// `vexpanel click`: what a click at a gauge point sends, and the tooltip.
#include <gtest/gtest.h>

#include "command_run.h"

namespace vexmoor::test {
namespace {

struct ClickCase {
    std::string name;
    std::string gauge;
    std::string x, y;
    std::string tooltip;
    std::string result;  // "event ... cursor ..." or "nothing at (x, y)"
};
void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class VexpanelClick : public testing::TestWithParam<ClickCase> {};

TEST_P(VexpanelClick, SaysWhatTheClickSends) {
    const ClickCase& c = GetParam();
    const CommandResult r = run_vexpanel({"click", module_path(), c.gauge, c.x, c.y});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(lines_of(r.out), (std::vector<std::string>{"tooltip " + c.tooltip, c.result}));
}

INSTANTIATE_TEST_SUITE_P(
    RealGauges, VexpanelClick,
    testing::Values(
        // Flaps: the upper area (rows 0..52) raises them; row 53 lies between.
        ClickCase{"FlapsBetweenAreas", "Flaps", "10", "53", "0xAB24", "nothing at (10, 53)"},
        ClickCase{"FlapsUp", "Flaps", "10", "20", "0xAB24", "event 0x100DF cursor 2"},
        ClickCase{"FlapsDown", "Flaps", "10", "60", "0xAB24", "event 0x100DE cursor 1"},
        // Altimeter knob: column 12 is the last of the left half, 13 the first of the right.
        ClickCase{"AltimeterKnobLeft", "Altimeter", "12", "100", "0xAB07", "event 0x1015C cursor 2"},
        ClickCase{"AltimeterKnobRight", "Altimeter", "13", "100", "0xAB07", "event 0x1015B cursor 1"},
        // Attitude: column 15 lies between the two halves of the knob.
        ClickCase{"AttitudeBetweenKnobHalves", "Attitude", "15", "110", "0xA86D", "nothing at (15, 110)"},
        ClickCase{"AttitudeKnobLeft", "Attitude", "14", "110", "0xA86D", "event 0x1030F cursor 2"},
        // Outside the gauge and in hex.
        ClickCase{"OutsideTheGauge", "Flaps", "-5", "20", "0xAB24", "nothing at (-5, 20)"},
        ClickCase{"HexCoordinates", "Flaps", "0xA", "0x14", "0xAB24", "event 0x100DF cursor 2"}),
    [](const testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vexmoor::test
