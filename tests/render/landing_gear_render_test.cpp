// The landing-gear lights drawn: a lit light's disc covers its lens, a dark
// light draws nothing so the background's unlit lens shows.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "gauge_view.h"

namespace vexmoor::test {
namespace {

constexpr int kGreen = 2, kRed = 3;

struct Light {
    int order;
    std::uint32_t lit;  // the bitmap of its lit image
    IntPoint at;
};
const Light kGreenLight{kGreen, 0x2221, {49, 11}};
const Light kRedLight{kRed, 0x2211, {8, 11}};

// Lit: every pixel of the lit image's disc drawn over the lens, pixel for
// pixel, the black around it not. Dark: the lens as the background shows it.
testing::AssertionResult shows(GaugeView& gear, const RgbaImage& picture, const Light& light, bool lit) {
    const RgbaImage background = gear.render_only({1});
    const Bitmap& image = gear.bitmap(light.lit);
    int disc = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            const int gx = light.at.x + x, gy = light.at.y + y;
            const Rgba expected = lit && c != kPureBlack ? opaque(c) : background.at(gx, gy);
            if (picture.at(gx, gy) != expected) {
                return testing::AssertionFailure() << (lit ? "lit" : "dark") << " light " << light.order
                                                   << " wrong at " << gx << "," << gy;
            }
            disc += c != kPureBlack;
        }
    }
    if (disc != 260) return testing::AssertionFailure() << "the lit disc has " << disc << " pixels";
    return testing::AssertionSuccess();
}

TEST(LandingGearRender, EachPositionLightsItsLight) {
    const struct {
        const char* name;
        double position;
        bool red, green;
        bool failed;
    } cases[] = {
        {"up", 0, false, false, false},
        {"in_transit", 8000, true, false, false},
        {"down", 16383, false, true, false},
        // This module mends a fault: a position that is not a number gives a
        // dark green light, not a lit one.
        {"not_a_number", std::numeric_limits<double>::quiet_NaN(), false, false, false},
        // Failure 20 hides both lights (action 1).
        {"in_transit_failed", 8000, false, false, true},
        {"down_failed", 16383, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GaugeView gear("Landing_Gear");
        gear.panel().simulation().set_failure(20, c.failed);
        gear.set(333, c.position);
        gear.update();
        const RgbaImage picture = gear.render();
        keep_picture(picture, std::string("landing_gear_") + c.name);
        EXPECT_TRUE(shows(gear, picture, kRedLight, c.red));
        EXPECT_TRUE(shows(gear, picture, kGreenLight, c.green));
    }
}

TEST(LandingGearRender, LitLightsAreRedAndGreen) {
    GaugeView gear("Landing_Gear");
    gear.set(333, 8000);
    gear.update();
    EXPECT_EQ(gear.render().at(17, 20), (Rgba{186, 0, 0, 255}));
    gear.set(333, 16383);
    gear.update();
    EXPECT_EQ(gear.render().at(58, 20), (Rgba{0, 160, 0, 255}));
}

}  // namespace
}  // namespace vexmoor::test
