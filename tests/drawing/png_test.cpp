// PNG files written and read back, files that cannot be, and several gauges
// laid out on one panel picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "panel/panel_picture.h"
#include "panel/png_file.h"
#include "scene.h"

namespace vexmoor::test {
namespace {

using panel::Error;
namespace fs = std::filesystem;

fs::path scratch(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / "vexmoor_drawing_test";
    fs::create_directories(dir);
    return dir / name;
}

// Every red and green level, blue from the place, and opaque but for the
// first row, which is transparent.
RgbaImage gradient() {
    RgbaImage picture(256, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 256; ++x) {
            picture.at(x, y) = Rgba{std::uint8_t(x), std::uint8_t(255 - x), std::uint8_t(40 * y), std::uint8_t(y ? 255 : 0)};
        }
    }
    return picture;
}

TEST(Png, WrittenAndReadBackUnchanged) {
    const RgbaImage picture = gradient();
    const std::string path = scratch("gradient.png").string();
    panel::write_png(picture, path);
    const RgbaImage back = panel::read_png(path);
    ASSERT_EQ(back.width, 256);
    ASSERT_EQ(back.height, 5);
    for (int x = 0; x < 256; ++x) EXPECT_EQ(back.at(x, 0).a, 0);
    for (int y = 1; y < 5; ++y) {
        for (int x = 0; x < 256; ++x) ASSERT_EQ(back.at(x, y), picture.at(x, y)) << x << "," << y;
    }
}

TEST(Png, FilesThatCannotBeWrittenOrReadAreErrorsNamingThem) {
    const std::string not_png = scratch("not_a_picture.png").string();
    std::ofstream(not_png) << "plain text";
    const std::string missing = scratch("missing.png").string();
    fs::remove(missing);
    const std::string no_dir = scratch("no_such_dir/out.png").string();

    struct Case {
        std::string path;
        std::function<void()> act;
        const char* message;
    };
    const Case cases[] = {
        {not_png, [&] { panel::read_png(not_png); }, "cannot read it as a PNG file"},
        {missing, [&] { panel::read_png(missing); }, "cannot read it as a PNG file"},
        {no_dir, [&] { panel::write_png(gradient(), no_dir); }, "cannot write the PNG file"},
        {not_png, [&] { panel::write_png(RgbaImage(), not_png); }, "nothing to write, the picture is 0 x 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            c.act();
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind(c.path + ": ", 0), 0u) << text;
            EXPECT_NE(text.find(c.message), std::string::npos) << text;
        }
    }
}

TEST(PanelPicture, GaugesGoInRowsWithMargins) {
    std::vector<panel::PanelGauge> gauges = {
        {"Airspeed", RgbaImage(30, 20, opaque(Rgb{200, 0, 0}))},
        {"Altimeter", RgbaImage(10, 40, opaque(Rgb{0, 200, 0}))},
        {"Flaps", RgbaImage(25, 15, opaque(Rgb{0, 0, 200}))},
    };
    panel::PanelLayout layout;
    layout.columns = 2;
    layout.margin = 5;
    layout.labels = false;
    const panel::PanelPlan plan = panel::plan_panel(gauges, layout);
    ASSERT_EQ(plan.places.size(), 3u);
    EXPECT_EQ(plan.places[0].x, 5);
    EXPECT_EQ(plan.places[0].y, 5);
    EXPECT_EQ(plan.places[1].x, 40);
    EXPECT_EQ(plan.places[1].y, 5);
    EXPECT_EQ(plan.places[2].x, 5);
    EXPECT_EQ(plan.places[2].y, 50);  // below the taller gauge of the first row
    EXPECT_EQ(plan.width, 55);
    EXPECT_EQ(plan.height, 70);

    layout.labels = true;
    EXPECT_EQ(panel::plan_panel(gauges, layout).places[2].y, 50 + panel::kLabelHeight);

    layout.labels = false;
    layout.zoom = 2;
    const panel::PanelPlan zoomed = panel::plan_panel(gauges, layout);
    EXPECT_EQ(zoomed.places[1].x, 5 + 60 + 5);
    EXPECT_EQ(zoomed.places[2].y, 5 + 80 + 5);
    EXPECT_EQ(zoomed.width, 5 + 60 + 5 + 20 + 5);
}

TEST(PanelPicture, AZoomedGaugeShowsEachPixelAsASquare) {
    RgbaImage two(2, 1);
    two.at(0, 0) = opaque(Rgb{250, 0, 0});
    two.at(1, 0) = opaque(Rgb{0, 0, 250});
    panel::PanelLayout layout;
    layout.zoom = 3;
    layout.labels = false;
    const RgbaImage picture = panel::lay_out_panel(std::vector<panel::PanelGauge>{{"Two", two}}, layout);
    const int m = layout.margin;
    ASSERT_EQ(picture.width, 2 * m + 6);
    ASSERT_EQ(picture.height, 2 * m + 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) EXPECT_EQ(picture.at(m + x, m + y), two.at(x / 3, 0)) << x << "," << y;
    }
    EXPECT_EQ(picture.at(m + 6, m), layout.panel);
}

TEST(PanelPicture, GaugesShowOverTheDarkPanelTheirTransparentCornersToo) {
    RgbaImage cornered(20, 20, opaque(Rgb{200, 180, 160}));
    cornered.at(0, 0) = Rgba{};  // undrawn corner
    const std::vector<panel::PanelGauge> gauges = {{"Stall", cornered}, {"Flaps", RgbaImage(10, 30, opaque(kWhite))}};
    panel::PanelLayout layout;
    const RgbaImage panel_picture = panel::lay_out_panel(gauges, layout);
    keep_picture(panel_picture, "panel_layout");
    const panel::PanelPlan plan = panel::plan_panel(gauges, layout);
    ASSERT_EQ(panel_picture.width, plan.width);
    ASSERT_EQ(panel_picture.height, plan.height);
    const Rgba panel_colour = layout.panel;
    EXPECT_EQ(panel_picture.at(0, 0), panel_colour);
    EXPECT_EQ(panel_picture.at(plan.places[0].x, plan.places[0].y), panel_colour);  // the corner
    EXPECT_EQ(panel_picture.at(plan.places[0].x + 1, plan.places[0].y), opaque(Rgb{200, 180, 160}));
    EXPECT_EQ(panel_picture.at(plan.places[1].x + 9, plan.places[1].y + 29), opaque(kWhite));
    // The names are written under the gauges, in the label line.
    int text = 0;
    for (int y = plan.places[0].y + 20; y < plan.places[0].y + 20 + panel::kLabelHeight; ++y) {
        for (int x = 0; x < panel_picture.width; ++x) text += panel_picture.at(x, y) != panel_colour;
    }
    EXPECT_GT(text, 10);
    for (const Rgba& p : panel_picture.pixels) ASSERT_EQ(p.a, 255);
}

}  // namespace
}  // namespace vexmoor::test
