// Pixel-for-pixel elements: undrawn black, hidden elements, icon images,
// slider travel, and records that do not fit together.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "scene.h"

namespace vexmoor::test {
namespace {

using panel::Error;

const Rgb kGrey{60, 60, 60};
const Rgb kRed{186, 0, 0};
const Rgb kGreen{0, 160, 0};

// Black and white squares, black at (0, 0).
Bitmap checker(int size) {
    return painted(size, size, [](int x, int y) { return (x + y) % 2 ? kWhite : kBlack; });
}

TEST(Renderer, BlackIsUndrawnExactlyWhereBitZeroOfTheFlagsIsSet) {
    for (std::uint32_t flags : {0x1u, 0x3u, 0x7u, 0x11u, 0x81u, 0x83u, 0x0u, 0x2u, 0x80u}) {
        SCOPED_TRACE(flags);
        Scene scene(solid(10, 10, kGrey));
        scene.add(ElementKind::kStaticImage, 0x1010, {3, 4}, flags);
        scene.bitmap(0x1010, checker(4));
        const RgbaImage picture = scene.render();
        const Rgba black_shows = (flags & 0x1) ? opaque(kGrey) : opaque(kBlack);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(picture.at(3 + x, 4 + y), (x + y) % 2 ? opaque(kWhite) : black_shows) << x << "," << y;
            }
        }
        EXPECT_EQ(picture.at(2, 4), opaque(kGrey));
        EXPECT_EQ(picture.at(7, 7), opaque(kGrey));
    }
}

TEST(Renderer, UndrawnCornersOfTheBackgroundStayTransparent) {
    Bitmap face = solid(8, 6, kGrey);
    face.pixels[0] = kBlack;
    const RgbaImage picture = Scene(face).render();
    ASSERT_EQ(picture.width, 8);
    ASSERT_EQ(picture.height, 6);
    EXPECT_EQ(picture.at(0, 0).a, 0);
    EXPECT_EQ(picture.at(1, 0), opaque(kGrey));
}

TEST(Renderer, EachElementIsDrawnOverThoseBeforeIt) {
    Scene scene(solid(10, 10, kGrey));
    scene.add(ElementKind::kStaticImage, 0x1010, {0, 0});
    scene.add(ElementKind::kStaticImage, 0x1020, {2, 2});
    scene.bitmap(0x1010, solid(4, 4, kRed));
    scene.bitmap(0x1020, solid(4, 4, kGreen));
    const RgbaImage picture = scene.render();
    EXPECT_EQ(picture.at(1, 1), opaque(kRed));
    EXPECT_EQ(picture.at(3, 3), opaque(kGreen));
    EXPECT_EQ(picture.at(5, 5), opaque(kGreen));
}

TEST(Renderer, HiddenElementsAreSkippedTheirChildrenStillDrawn) {
    Scene scene(solid(10, 10, kGrey));
    const std::size_t red = scene.add(ElementKind::kStaticImage, 0x1010, {0, 0});
    const std::size_t green = scene.add(ElementKind::kStaticImage, 0x1020, {5, 5});
    scene.bitmap(0x1010, solid(3, 3, kRed));
    scene.bitmap(0x1020, solid(3, 3, kGreen));
    scene.states[red].visible = false;
    RgbaImage picture = scene.render();
    EXPECT_EQ(picture.at(1, 1), opaque(kGrey));
    EXPECT_EQ(picture.at(6, 6), opaque(kGreen));

    scene.states[red].visible = true;
    scene.states[green].visible = false;
    picture = scene.render();
    EXPECT_EQ(picture.at(1, 1), opaque(kRed));
    EXPECT_EQ(picture.at(6, 6), opaque(kGrey));
}

// A gear light: image 0 is all black (nothing drawn), image 1 a lit disc.
TEST(Renderer, AnIconShowsImageBitmapIdPlusK) {
    Scene scene(solid(20, 10, kGrey));
    const std::size_t light = scene.add(ElementKind::kIcon, 0x2210, {4, 2}, 0x7);
    scene.gauge.elements[light].icon_count = 2;
    scene.bitmap(0x2210, solid(4, 4, kBlack));
    scene.bitmap(0x2211, solid(4, 4, kRed));
    EXPECT_EQ(scene.render().at(5, 3), opaque(kGrey));
    scene.states[light].image = 1;
    EXPECT_EQ(scene.render().at(5, 3), opaque(kRed));
}

struct SliderCase {
    double travel_x, travel_y;
    int left, top;  // where the pointer's top-left corner lands
};

// Pointer at (20, 19); travel rounds to the nearest pixel, halves to the
// larger coordinate.
const SliderCase kSliderCases[] = {
    {0, 0, 20, 19},
    {0, 59.96178, 20, 79},      // the flap pointer at DN
    {0, 29.98089, 20, 49},      // and halfway
    {2.4, -1.6, 22, 17},
    {0.5, -0.5, 21, 19},
    {-2.5, 1.5, 18, 21},
    {-0.49, 0.49, 20, 19},
    {-25, -22, -5, -3},         // partly off the gauge: clipped
};

TEST(Renderer, ASliderMovesByItsTravelRoundedToThePixel) {
    for (const SliderCase& c : kSliderCases) {
        SCOPED_TRACE(std::to_string(c.travel_x) + ", " + std::to_string(c.travel_y));
        Scene scene(solid(60, 100, kGrey));
        const std::size_t pointer = scene.add(ElementKind::kSlider, 0x2510, {20, 19}, 0x3);
        scene.bitmap(0x2510, solid(8, 8, kWhite));
        scene.states[pointer].travel_x = c.travel_x;
        scene.states[pointer].travel_y = c.travel_y;
        const RgbaImage picture = scene.render();
        int drawn = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const bool inside = x >= c.left && x < c.left + 8 && y >= c.top && y < c.top + 8;
                EXPECT_EQ(picture.at(x, y), opaque(inside ? kWhite : kGrey)) << x << "," << y;
                drawn += inside;
            }
        }
        EXPECT_GT(drawn, 0);
    }
}

// Travel beyond any gauge (an unlimited slider fed a huge value) and
// placements that are not numbers put the element nowhere.
TEST(Renderer, PlacementsThatAreNotFiniteOrFarAwayDrawNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Case {
        double travel, direction;
    };
    for (const Case& c : {Case{nan, nan}, Case{inf, inf}, Case{-inf, -inf}, Case{1e300, nan}, Case{-3e9, nan}}) {
        SCOPED_TRACE(std::to_string(c.travel));
        Scene scene(solid(30, 30, kGrey));
        const std::size_t slider = scene.add(ElementKind::kSlider, 0x20, {5, 5});
        const std::size_t needle = scene.add(ElementKind::kNeedle, 0x30, {15, 15});
        const std::size_t sprite = scene.add(ElementKind::kSprite, 0x40, {0, 0});
        scene.gauge.elements[sprite].texture_scale_x = scene.gauge.elements[sprite].texture_scale_y = 1;
        for (std::uint32_t id : {0x20, 0x30, 0x40}) scene.bitmap(id, solid(6, 6, kWhite));
        scene.states[slider].travel_y = c.travel;
        scene.states[needle].direction_degrees = c.direction;
        scene.states[sprite].travel_x = c.travel;
        scene.states[sprite].rotation_degrees = c.direction;
        const RgbaImage picture = scene.render();
        for (const Rgba& p : picture.pixels) ASSERT_EQ(p, opaque(kGrey));
    }
}

struct Mismatch {
    const char* label;
    std::function<void(Scene&)> spoil;
    const char* message;
};

const Mismatch kMismatches[] = {
    {"bitmap not loaded",
     [](Scene& s) { s.add(ElementKind::kNeedle, 0x1310, {1, 1}); },
     "gauge Test: element 2 (needle): bitmap 0x1310 is not loaded"},
    {"background narrower than default_width",
     [](Scene& s) { s.gauge.default_width = 133; },
     "gauge Test: element 1 (static image): its bitmap 0x1000 is 10 pixels wide, but the header's default_width is 133"},
    {"state list too short",
     [](Scene& s) { s.states.pop_back(); },
     "gauge Test: 0 element states for 1 elements"},
    {"icon image beyond its images",
     [](Scene& s) {
         const std::size_t i = s.add(ElementKind::kIcon, 0x2300, {0, 0});
         s.gauge.elements[i].icon_count = 2;
         s.states[i].image = 2;
     },
     "gauge Test: element 2 (icon): shows image 2 of 2"},
    {"icon's second image missing",
     [](Scene& s) {
         const std::size_t i = s.add(ElementKind::kIcon, 0x2300, {0, 0});
         s.gauge.elements[i].icon_count = 2;
         s.bitmap(0x2300, solid(2, 2, kRed));
         s.states[i].image = 1;
     },
     "element 2 (icon): bitmap 0x2301 is not loaded"},
    {"sprite without texture scales",
     [](Scene& s) {
         s.add(ElementKind::kSprite, 0x1110, {0, 0});
         s.bitmap(0x1110, solid(2, 2, kRed));
     },
     "element 2 (sprite): texture scales 0.000000, 0.000000 are not both positive"},
    {"no elements",
     [](Scene& s) {
         s.gauge.elements.clear();
         s.gauge.roots.clear();
         s.states.clear();
     },
     "gauge Test: it has no elements to draw"},
};

TEST(Renderer, RecordsAndStatesThatDoNotFitAreErrorsNamingGaugeAndElement) {
    for (const Mismatch& m : kMismatches) {
        SCOPED_TRACE(m.label);
        Scene scene(solid(10, 10, kGrey));
        m.spoil(scene);
        try {
            scene.render();
            ADD_FAILURE() << "drawn";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(m.message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
