// The real module's bitmaps: found by id, decoded, missing ones named with
// their gauge and element, and the round knob turned as a needle.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "panel/gauge_bitmaps.h"
#include "panel/pe_image.h"
#include "scene.h"

namespace vexmoor::test {
namespace {

using panel::Error;
using panel::PeImage;

constexpr std::uint32_t kKnob = 0x1140;

const PeImage& module_image() {
    static const PeImage image = PeImage::read_file(module_path());
    return image;
}

TEST(ModuleBitmaps, TheKnobIsA27PixelRoundKnobWithUndrawnCorners) {
    const Bitmap knob = panel::bitmap_for(module_image(), kKnob, "Attitude", "element 6 (needle)");
    ASSERT_EQ(knob.width, 27);
    ASSERT_EQ(knob.height, 27);
    for (IntPoint corner : {IntPoint{0, 0}, IntPoint{26, 0}, IntPoint{0, 26}, IntPoint{26, 26}}) {
        EXPECT_EQ(knob.at(corner.x, corner.y), kBlack);
    }
    EXPECT_NE(knob.at(13, 13), kBlack);
    // Its copies are the same picture.
    for (std::uint32_t copy : {0x1150u, 0x1510u, 0x1610u}) {
        EXPECT_EQ(panel::bitmap_for(module_image(), copy, "Test", "copy").pixels, knob.pixels) << copy;
    }
}

TEST(ModuleBitmaps, AnIdTheModuleLacksIsAnErrorNamingGaugeAndElement) {
    try {
        panel::bitmap_for(module_image(), 0x7FF0, "Airspeed", "element 2 (needle)");
        FAIL() << "found";
    } catch (const Error& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find(module_image().file_name()), std::string::npos) << text;
        EXPECT_NE(text.find("bitmap 0x7FF0 of gauge Airspeed, element 2 (needle)"), std::string::npos) << text;
        EXPECT_NE(text.find("no such bitmap"), std::string::npos) << text;
    }
    EXPECT_FALSE(panel::find_bitmap(module_image(), 0x7FF0, "Airspeed", "element 2 (needle)"));
}

GaugeRecord knob_gauge() {
    GaugeRecord gauge;
    gauge.name = "Knobs";
    gauge.default_width = 27;
    gauge.roots = {0};
    ElementRecord background;
    background.order = 1;
    background.bitmap_id = kKnob;
    background.draw_flags = 0x1;
    background.children = {1};
    ElementRecord card;
    card.order = 2;
    card.kind = ElementKind::kSprite;
    card.bitmap_id = 0x1150;  // no companion at 0x1151: no error
    gauge.elements = {background, card};
    return gauge;
}

TEST(ModuleBitmaps, AGaugesBitmapsLoadTogetherAndAMissingOneNamesItsElement) {
    GaugeRecord gauge = knob_gauge();
    const panel::GaugeBitmaps bitmaps = panel::load_gauge_bitmaps(module_image(), gauge);
    EXPECT_EQ(bitmaps.size(), 2u);
    EXPECT_TRUE(bitmaps.find(0x1150));

    ElementRecord icon;
    icon.order = 3;
    icon.kind = ElementKind::kIcon;
    icon.bitmap_id = 0x1140;
    icon.icon_count = 2;  // the module has no 0x1141
    gauge.elements.push_back(icon);
    try {
        panel::load_gauge_bitmaps(module_image(), gauge);
        FAIL() << "loaded";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("bitmap 0x1141 of gauge Knobs, element 3 (icon)"), std::string::npos)
            << e.what();
    }
}

// The knob as the attitude gauge's lower-right needle: pivot (14, 14) on
// gauge point (30, 30) of a dark plate.
TEST(ModuleBitmaps, TheKnobTurnsAboutItsCentre) {
    const Bitmap knob = panel::bitmap_for(module_image(), kKnob, "Attitude", "element 6 (needle)");
    const Rgb plate{45, 47, 52};
    for (double direction : {90.0, 180.0, 0.0, 97.0, 135.0, 200.0, 353.0}) {
        SCOPED_TRACE(direction);
        Scene scene(solid(60, 60, plate));
        const std::size_t i = scene.add(ElementKind::kNeedle, kKnob, {30, 30}, 0x83);
        scene.gauge.elements[i].offset = {14, 14};
        scene.bitmap(kKnob, knob);
        scene.states[i].direction_degrees = direction;
        const RgbaImage picture = scene.render();
        keep_picture(picture, "knob_" + std::to_string(static_cast<int>(direction)));
        if (direction == 90) {
            for (int y = 0; y < 27; ++y) {
                for (int x = 0; x < 27; ++x) {
                    const Rgb c = knob.at(x, y);
                    ASSERT_EQ(picture.at(16 + x, 16 + y), opaque(c == kBlack ? plate : c)) << x << "," << y;
                }
            }
        }
        // The knob is a disc of radius 13.5 about its bitmap's centre (13.5,
        // 13.5), one pixel up and left of the pivot (14, 14)'s centre: turned,
        // that disc goes round the pivot and nothing lands beyond its edge
        // but the one-pixel fringe of the smooth sampling.
        const double turn = (direction - 90) * std::numbers::pi / 180;
        const double cx = 30.5 + (-std::cos(turn) + std::sin(turn)), cy = 30.5 + (-std::sin(turn) - std::cos(turn));
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                if (dx * dx + dy * dy > 14.5 * 14.5) {
                    ASSERT_EQ(picture.at(x, y), opaque(plate)) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
