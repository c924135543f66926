// `vexpanel render` and `vexpanel panel`: the pictures they write, and how
// --set, --fail and --updates change them.
#include <gtest/gtest.h>

#include "command_run.h"
#include "panel/png_file.h"

namespace vexmoor::test {
namespace {

class VexpanelRender : public testing::Test {
protected:
    // Renders the gauge with these extra arguments and reads the picture back.
    panel::RgbaImage render(const std::string& gauge, std::vector<std::string> extra = {}) {
        const std::string out = scratch_.file(gauge + std::to_string(pictures_++) + ".png");
        std::vector<std::string> args{"render", module_path(), gauge};
        args.insert(args.end(), extra.begin(), extra.end());
        args.insert(args.end(), {"-o", out});
        const CommandResult r = run_vexpanel(args);
        EXPECT_EQ(r.exit_status, 0) << r.err;
        EXPECT_EQ(r.out, "wrote " + out + "\n");
        return panel::read_png(out);
    }

    ScratchDir scratch_;
    int pictures_ = 0;
};

struct GaugeSize {
    std::string gauge;
    int width, height;
};
void PrintTo(const GaugeSize& c, std::ostream* os) { *os << c.gauge; }

class VexpanelRenderSize : public VexpanelRender, public testing::WithParamInterface<GaugeSize> {};

TEST_P(VexpanelRenderSize, WritesAPictureOfTheGaugesSize) {
    const panel::RgbaImage picture = render(GetParam().gauge);
    EXPECT_EQ(picture.width, GetParam().width);
    EXPECT_EQ(picture.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(RealGauges, VexpanelRenderSize,
                         testing::Values(GaugeSize{"Turn_Indicator", 133, 130}, GaugeSize{"Attitude", 133, 133},
                                         GaugeSize{"Altimeter", 133, 131}, GaugeSize{"Airspeed", 133, 131},
                                         GaugeSize{"Landing_Gear", 80, 40}, GaugeSize{"Flaps", 50, 106}),
                         [](const testing::TestParamInfo<GaugeSize>& info) { return info.param.gauge; });

TEST_F(VexpanelRender, SetValuesChangeThePicture) {
    const panel::RgbaImage up = render("Landing_Gear", {"--set", "333=0"});
    const panel::RgbaImage moving = render("Landing_Gear", {"--set", "333=8000"});
    EXPECT_GT(differing_pixels(up, moving), 0);
    // Tokens may be written in hex.
    EXPECT_EQ(differing_pixels(moving, render("Landing_Gear", {"--set", "0x14D=8000"})), 0);
}

TEST_F(VexpanelRender, AFailureDropsTheAirspeedNeedleToRest) {
    const panel::RgbaImage at_rest = render("Airspeed", {"--set", "61=0"});
    const panel::RgbaImage fast = render("Airspeed", {"--set", "61=300"});
    const panel::RgbaImage failed = render("Airspeed", {"--set", "61=300", "--fail", "20"});
    EXPECT_GT(differing_pixels(at_rest, fast), 0);
    EXPECT_EQ(differing_pixels(at_rest, failed), 0);
}

// The needle turns at most 6 degrees an update: none leaves it at rest, one
// moves it a little, and settling takes it all the way.
TEST_F(VexpanelRender, UpdatesCountHowFarTheNeedleHasTurned) {
    const panel::RgbaImage at_rest = render("Airspeed", {"--set", "61=0"});
    const panel::RgbaImage settled = render("Airspeed", {"--set", "61=300"});
    const panel::RgbaImage none = render("Airspeed", {"--set", "61=300", "--updates", "0"});
    const panel::RgbaImage one = render("Airspeed", {"--set", "61=300", "--updates", "1"});
    EXPECT_EQ(differing_pixels(none, at_rest), 0);
    EXPECT_GT(differing_pixels(one, at_rest), 0);
    EXPECT_GT(differing_pixels(one, settled), 0);
    EXPECT_EQ(differing_pixels(render("Airspeed", {"--set", "61=300", "--updates", "200"}), settled), 0);
}

TEST(VexpanelPanel, WritesOnePictureHoldingEveryGauge) {
    const ScratchDir scratch;
    const std::string quiet = scratch.file("quiet.png"), busy = scratch.file("busy.png");
    const CommandResult r = run_vexpanel({"panel", module_path(), "-o", quiet});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(r.out, "wrote " + quiet + "\n");
    const panel::RgbaImage picture = panel::read_png(quiet);
    // Room for every gauge: as wide and tall as the largest, as large as all.
    EXPECT_GE(picture.width, 133);
    EXPECT_GE(picture.height, 133);
    EXPECT_GE(picture.width * picture.height, 133 * 130 + 133 * 133 + 2 * 133 * 131 + 80 * 40 + 50 * 106);

    ASSERT_EQ(run_vexpanel({"panel", module_path(), "--set", "333=8000", "--fail", "20", "--updates", "3", "-o", busy})
                  .exit_status,
              0);
    EXPECT_GT(differing_pixels(picture, panel::read_png(busy)), 0);
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(quiet).parent_path())) {
        files += entry.is_regular_file();
    }
    EXPECT_EQ(files, 2u);
}

}  // namespace
}  // namespace vexmoor::test
