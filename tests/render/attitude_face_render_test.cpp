// The attitude gauge's face drawn: the horizon card behind its round window,
// level or banked and pitched, the bank pointer turning with it, and the
// miniature aircraft whose stem always disappears into the pedestal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "rays.h"

namespace vexmoor::test {
namespace {

constexpr int kHorizonCard = 2, kBankCard = 3, kAircraft = 4;
constexpr std::uint32_t kPitch = 78, kBank = 80, kAircraftHeight = 612;
constexpr double kDegree = std::numbers::pi / 180;
// The cards' face point (66, 64), at its pixel's centre.
constexpr Point kFacePoint{66.5, 64.5};
constexpr double kTextureScale = 2.25;
constexpr Rgb kWindow{1, 1, 1};
// The bar's middle, card row 128 (rows 125 to 131), lies half a card pixel
// below the card's centre, 128 from its top edge.
constexpr double kBarBelowCentre = 0.5 / kTextureScale;

// The round window: where the background 0x1100 shows the window colour.
std::vector<bool> window_of(const GaugeView& attitude) {
    const Bitmap& face = attitude.bitmap(0x1100);
    std::vector<bool> window;
    for (const Rgb& c : face.pixels) window.push_back(c == kWindow);
    return window;
}

struct Box {
    int left, top, right, bottom;
    bool holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The knobs' squares (columns and rows 1 to 27 and 105 to 131 unturned),
// widened by two pixels: each knob's disc is centred one pixel up and left
// of its pivot pixel's centre, so turning carries it round the pivot.
constexpr Box kLeftKnobSwing{0, 103, 29, 132}, kRightKnobSwing{103, 103, 132, 132};

// Pixels where the picture differs from the bare background and that are
// neither in the window nor in one of the allowed boxes, as "x,y" text.
std::string outside_window(const RgbaImage& picture, const RgbaImage& background, const std::vector<bool>& window,
                           std::initializer_list<Box> allowed = {}) {
    std::string found;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) == background.at(x, y) || window[std::size_t(y * picture.width + x)]) continue;
            bool in_box = false;
            for (const Box& b : allowed) in_box = in_box || b.holds(x, y);
            if (!in_box && found.size() < 200) found += std::to_string(x) + "," + std::to_string(y) + " ";
        }
    }
    return found;
}

// The horizon bar's middle row in each column, read off a picture of the
// background and the horizon card alone: the light above the card's dark
// field, weighted, over the window's pixels of that column. Columns with
// too little bar are left out.
struct BarColumn {
    double x, y;
};
std::vector<BarColumn> bar_middles(const RgbaImage& card, const std::vector<bool>& window, int first, int last) {
    std::vector<BarColumn> middles;
    for (int x = first; x <= last; ++x) {
        double sum = 0, sy = 0;
        for (int y = 0; y < card.height; ++y) {
            if (!window[std::size_t(y * card.width + x)]) continue;
            const double light = std::max(0, int(card.at(x, y).g) - 40);
            sum += light;
            sy += light * (y + 0.5);
        }
        if (sum > 400) middles.push_back({x + 0.5, sy / sum});
    }
    return middles;
}

struct Line {
    double slope, at_zero;  // y = at_zero + slope * x
};
Line fit(const std::vector<BarColumn>& points) {
    double n = double(points.size()), sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const BarColumn& p : points) {
        sx += p.x;
        sy += p.y;
        sxx += p.x * p.x;
        sxy += p.x * p.y;
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return {slope, (sy - slope * sx) / n};
}

// How far the line passes below the point (negative: above it).
double line_below(const Line& line, Point p) {
    return (line.at_zero + line.slope * p.x - p.y) / std::sqrt(1 + line.slope * line.slope);
}

TEST(AttitudeFaceRender, LevelFlightShowsTheBarLevelThroughTheFacePointAndNothingOutsideTheWindow) {
    GaugeView attitude("Attitude");
    attitude.settle();
    const std::vector<bool> window = window_of(attitude);
    const RgbaImage background = attitude.render_only({1});
    const RgbaImage picture = attitude.render();
    keep_picture(picture, "attitude_level");
    EXPECT_EQ(outside_window(attitude.render_only({1, kHorizonCard, kBankCard}), background, window), "");
    EXPECT_EQ(outside_window(picture, background, window,
                             {{35, 63, 97, 102}, {59, 83, 74, 132}, kLeftKnobSwing, kRightKnobSwing}),
              "")
        << "only the aircraft, the pedestal and the knobs lie outside the window";

    // The bar, about 82 columns long, from about column 25 to 107.
    const std::vector<BarColumn> bar = bar_middles(attitude.render_only({1, kHorizonCard}), window, 20, 112);
    ASSERT_FALSE(bar.empty());
    EXPECT_NEAR(bar.front().x, 25.5, 1.5);
    EXPECT_NEAR(bar.back().x, 107.5, 1.5);
    for (const BarColumn& c : bar) EXPECT_NEAR(c.y, kFacePoint.y + kBarBelowCentre, 0.3) << "column " << c.x;
}

// Bank 20 turns the card 20 degrees counterclockwise (rotation scale -1):
// the bar's right end goes up. Pitch 10 moves the card 20 card pixels
// (y scale 2) down its own axis, 20 / 2.25 gauge pixels.
TEST(AttitudeFaceRender, BankAndPitchTiltTheBarAndMoveItDownTheCard) {
    GaugeView attitude("Attitude");
    attitude.set(kBank, 20);
    attitude.settle(kPitch, 10);
    const std::vector<bool> window = window_of(attitude);
    const RgbaImage background = attitude.render_only({1});
    keep_picture(attitude.render(), "attitude_bank_20_pitch_10");
    EXPECT_EQ(outside_window(attitude.render_only({1, kHorizonCard, kBankCard}), background, window), "");

    const double shift = 10 * 2.0 / kTextureScale;
    const double middle_x = kFacePoint.x + shift * std::sin(20 * kDegree);
    const std::vector<BarColumn> bar =
        bar_middles(attitude.render_only({1, kHorizonCard}), window, int(middle_x) - 34, int(middle_x) + 34);
    ASSERT_EQ(bar.size(), 69u);
    const Line line = fit(bar);
    EXPECT_NEAR(std::atan(line.slope) / kDegree, -20, 0.75) << "right end up";
    EXPECT_NEAR(line_below(line, kFacePoint), shift + kBarBelowCentre, 0.3);

    // The bank pointer, 34 to 40 pixels above the face point, turns with it.
    int pixels = 0;
    double sx = 0, sy = 0;
    const RgbaImage pointer = attitude.render_only({1, kBankCard});
    for (int y = 0; y < pointer.height; ++y) {
        for (int x = 0; x < pointer.width; ++x) {
            if (pointer.at(x, y) == background.at(x, y)) continue;
            sx += x + 0.5 - kFacePoint.x;
            sy += y + 0.5 - kFacePoint.y;
            ++pixels;
        }
    }
    ASSERT_GT(pixels, 10);
    EXPECT_NEAR(std::atan2(sx / pixels, -sy / pixels) / kDegree, -20, 2);
    EXPECT_NEAR(std::hypot(sx / pixels, sy / pixels), 37, 2);
}

// The aircraft 0x1130 drawn pixel for pixel at (35, top): its wing bars on
// rows top to top + 3, its stem (columns 28 to 34, gauge 63 to 69) shown
// down to row 82 and hidden by the pedestal 0x1131 from row 83.
TEST(AttitudeFaceRender, TheAircraftRisesAndItsStemStaysInThePedestal) {
    for (const auto& [height, top] : {std::pair{0.0, 63}, std::pair{100.0, 53}}) {
        SCOPED_TRACE(height);
        GaugeView attitude("Attitude");
        attitude.settle(kAircraftHeight, height);
        const Bitmap& aircraft = attitude.bitmap(0x1130);
        const Bitmap& pedestal_bitmap = attitude.bitmap(0x1131);
        const RgbaImage picture = attitude.render();
        keep_picture(picture, "attitude_aircraft_" + std::to_string(int(height)));
        const RgbaImage without = attitude.render_without({kAircraft});
        for (int y = 0; y < aircraft.height; ++y) {
            for (int x = 0; x < aircraft.width; ++x) {
                const Rgb c = aircraft.at(x, y);
                const int gx = 35 + x, gy = top + y;
                if (y < 4 && (x <= 18 || x >= 44)) {
                    ASSERT_NE(c, kPureBlack) << "wing " << x << "," << y;
                }
                const int px = gx - 59, py = gy - 83;  // the pedestal 0x1131 lies at (59, 83)
                const bool pedestal = px >= 0 && px < pedestal_bitmap.width && py >= 0 &&
                                      py < pedestal_bitmap.height && pedestal_bitmap.at(px, py) != kPureBlack;
                if (c == kPureBlack) {
                    ASSERT_EQ(picture.at(gx, gy), without.at(gx, gy)) << gx << "," << gy;
                } else if (pedestal) {
                    ASSERT_EQ(picture.at(gx, gy), without.at(gx, gy)) << "in the pedestal " << gx << "," << gy;
                } else {
                    ASSERT_EQ(picture.at(gx, gy), opaque(c)) << gx << "," << gy;
                }
            }
        }
        // Where the wings were at rest, the card shows again.
        if (top != 63) {
            for (int x : {40, 90}) EXPECT_EQ(picture.at(x, 64), without.at(x, 64)) << x;
        }
        EXPECT_GT(top + aircraft.height - 1, 83) << "the stem reaches into the pedestal";
    }
}

}  // namespace
}  // namespace vexmoor::test
