// vexpanel --help, and each command's: usage text and success.
#include <gtest/gtest.h>

#include "command_run.h"

namespace vexmoor::test {
namespace {

struct HelpCase {
    std::string name;
    std::vector<std::string> args;
    std::string usage;  // must appear in what it prints
};
void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }

class VexpanelHelp : public testing::TestWithParam<HelpCase> {};

TEST_P(VexpanelHelp, PrintsUsageAndSucceeds) {
    const CommandResult r = run_vexpanel(GetParam().args);
    EXPECT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find(GetParam().usage), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, VexpanelHelp,
    testing::Values(HelpCase{"Program", {"--help"}, "usage: vexpanel click MODULE GAUGE X Y"},
                    HelpCase{"ProgramShort", {"-h"}, "usage: vexpanel list MODULE"},
                    HelpCase{"ProgramWord", {"help"}, "usage: vexpanel panel MODULE"},
                    HelpCase{"List", {"list", "--help"}, "usage: vexpanel list MODULE\n"},
                    HelpCase{"Inspect", {"inspect", "--help"}, "usage: vexpanel inspect MODULE [GAUGE]"},
                    HelpCase{"Render", {"render", "--help"}, "usage: vexpanel render MODULE GAUGE"},
                    HelpCase{"Panel", {"panel", "-h"}, "usage: vexpanel panel MODULE"},
                    HelpCase{"Click", {"click", "--help"}, "usage: vexpanel click MODULE GAUGE X Y"},
                    // Help wins over arguments still missing.
                    HelpCase{"ClickWithoutPoint", {"click", "Flaps", "--help"}, "usage: vexpanel click"}),
    [](const testing::TestParamInfo<HelpCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vexmoor::test
