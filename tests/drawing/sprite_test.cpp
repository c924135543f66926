// Sprite cards: reduced by their texture scales, centred on the face point,
// moved along their own axes and turned about that point, and kept inside
// the window that their companion bitmap marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene.h"

namespace vexmoor::test {
namespace {

const Rgb kBezel{80, 80, 80};
const Rgb kCard{200, 150, 100};

// A 60 x 60 face: a round window of the window colour (1, 1, 1), radius 20
// about (30, 30), in a bezel.
Bitmap windowed_face() {
    return painted(60, 60, [](int x, int y) {
        const double dx = x + 0.5 - 30, dy = y + 0.5 - 30;
        return dx * dx + dy * dy <= 20 * 20 ? panel::kWindowColour : kBezel;
    });
}

std::size_t add_card(Scene& scene, Bitmap card, IntPoint face_point, float scale) {
    const std::size_t i = scene.add(ElementKind::kSprite, 0x1110, {0, 0}, 0x81);
    scene.gauge.elements[i].offset = face_point;
    scene.gauge.elements[i].texture_scale_x = scene.gauge.elements[i].texture_scale_y = scale;
    scene.bitmap(0x1110, std::move(card));
    return i;
}

struct Placement {
    double rotation, travel_x, travel_y;
};

const Placement kPlacements[] = {
    {0, 0, 0}, {30, 0, 0}, {135, 0, 0}, {-72, 10, -24}, {0, 0, 60}, {250, 30, 0},
};

TEST(Sprite, NoCardPixelOutsideItsWindow) {
    const Bitmap face = windowed_face();
    int picture_number = 0;
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(std::to_string(p.rotation) + " degrees, travel " + std::to_string(p.travel_x) + ", " +
                     std::to_string(p.travel_y));
        Scene scene(face, 0x1100);
        const std::size_t card = add_card(scene, solid(64, 64, kCard), {30, 30}, 2);
        scene.bitmap(0x1111, face);
        scene.states[card].rotation_degrees = p.rotation;
        scene.states[card].travel_x = p.travel_x;
        scene.states[card].travel_y = p.travel_y;
        const RgbaImage picture = scene.render();
        keep_picture(picture, "sprite_window_" + std::to_string(++picture_number));
        int card_pixels = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (face.at(x, y) == kBezel) {
                    ASSERT_EQ(picture.at(x, y), opaque(kBezel)) << x << "," << y;
                } else {
                    card_pixels += picture.at(x, y) == opaque(kCard);
                }
            }
        }
        EXPECT_GT(card_pixels, 0);
    }
}

TEST(Sprite, WithoutACompanionTheCardCoversTheBezelToo) {
    Scene scene(windowed_face(), 0x1100);
    add_card(scene, solid(64, 64, kCard), {30, 30}, 2);
    const RgbaImage picture = scene.render();
    EXPECT_EQ(picture.at(15, 15), opaque(kCard));  // bezel, 21 pixels from the centre
    EXPECT_EQ(picture.at(5, 5), opaque(kBezel));    // beyond the 32-pixel card
}

// A 64 x 64 card, undrawn but for a bar of four rows through its centre,
// reduced to 32 x 32 about the face point (50, 50).
Bitmap bar_card() {
    return painted(64, 64, [](int, int y) { return y >= 30 && y <= 33 ? kWhite : kBlack; });
}

struct Moved {
    const char* label;
    Placement placement;
    std::vector<IntPoint> bar;    // pixels the bar covers fully
    std::vector<IntPoint> clear;  // pixels it leaves alone
};

const Moved kMoves[] = {
    {"at rest", {0, 0, 0}, {{50, 50}, {36, 50}, {64, 50}}, {{50, 47}, {50, 53}, {32, 50}, {68, 50}}},
    {"down along the card", {0, 0, 20}, {{50, 60}, {36, 60}}, {{50, 50}, {50, 57}}},
    {"right along the card", {0, 20, 0}, {{74, 50}, {46, 50}}, {{36, 50}, {42, 50}}},
    {"turned a quarter", {90, 0, 0}, {{50, 36}, {50, 64}}, {{36, 50}, {64, 50}}},
    {"turned a quarter, then down along the card", {90, 0, 20}, {{40, 50}, {40, 36}}, {{50, 50}, {60, 50}}},
    {"turned half, then down along the card", {180, 0, 20}, {{50, 40}}, {{50, 50}, {50, 60}}},
    {"turned an eighth", {45, 0, 0}, {{60, 60}, {40, 40}}, {{60, 40}, {40, 60}}},
};

TEST(Sprite, TheCardMovesAlongItsOwnAxesAndTurnsAboutTheFacePoint) {
    const Rgb face{30, 30, 30};
    for (const Moved& m : kMoves) {
        SCOPED_TRACE(m.label);
        Scene scene(solid(100, 100, face), 0x1100);
        const std::size_t card = add_card(scene, bar_card(), {50, 50}, 2);
        scene.states[card].rotation_degrees = m.placement.rotation;
        scene.states[card].travel_x = m.placement.travel_x;
        scene.states[card].travel_y = m.placement.travel_y;
        const RgbaImage picture = scene.render();
        for (IntPoint at : m.bar) EXPECT_EQ(picture.at(at.x, at.y), opaque(kWhite)) << at.x << "," << at.y;
        for (IntPoint at : m.clear) EXPECT_EQ(picture.at(at.x, at.y), opaque(face)) << at.x << "," << at.y;
    }
}

// The attitude cards: 256 pixels at a texture scale of 2.25 are about 114
// on the face, centred on the face point.
TEST(Sprite, ATextureScaleOfTwoAndAQuarterShrinksTheCardTo114Pixels) {
    const Rgb face{30, 30, 30};
    Scene scene(solid(200, 200, face), 0x1100);
    add_card(scene, solid(256, 256, kCard), {100, 100}, 2.25f);
    const RgbaImage picture = scene.render();
    keep_picture(picture, "sprite_scale");
    // 256 / 2.25 = 113.8 pixels about the centre 100.5: 43.6 to 157.4.
    for (int at : {44, 100, 156}) {
        EXPECT_EQ(picture.at(at, 100), opaque(kCard)) << at;
        EXPECT_EQ(picture.at(100, at), opaque(kCard)) << at;
    }
    for (int at : {42, 158}) {
        EXPECT_EQ(picture.at(at, 100), opaque(face)) << at;
        EXPECT_EQ(picture.at(100, at), opaque(face)) << at;
    }
}

}  // namespace
}  // namespace vexmoor::test
