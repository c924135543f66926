// The flap pointer drawn on its plate: pixel for pixel at (12, 19 + 0.00366
// v), rounded to the nearest row, its tip (gauge column 23, rows top + 4 and
// top + 5) on the mark of the setting.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gauge_view.h"

namespace vexmoor::test {
namespace {

constexpr int kPointer = 2;
constexpr int kTipColumn = 23;

// A light mark pixel of the plate.
bool mark(Rgba p) { return p.a == 255 && p.r + p.g + p.b >= 3 * 150; }

TEST(FlapsRender, ThePointerTipsOnTheMarkOfEachSetting) {
    const struct {
        const char* label;
        double flaps;
        int top;  // 19 + 0.00366 v, rounded
    } cases[] = {
        {"UP", 0, 19},
        {"40", 6553.2, 43},  // 42.98
        {"DN", 16383, 79},   // 78.96: the tip on rows 83 and 84, the mark on 82 and 83
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        GaugeView flaps("Flaps");
        flaps.set(329, c.flaps);
        flaps.update();
        const RgbaImage picture = flaps.render();
        keep_picture(picture, std::string("flaps_") + c.label);
        const RgbaImage plate = flaps.render_only({1});
        const Bitmap& pointer = flaps.bitmap(0x2510);
        for (int y = 0; y < pointer.height; ++y) {
            for (int x = 0; x < pointer.width; ++x) {
                const Rgb p = pointer.at(x, y);
                const int gx = 12 + x, gy = c.top + y;
                ASSERT_EQ(picture.at(gx, gy), p == kPureBlack ? plate.at(gx, gy) : opaque(p)) << gx << "," << gy;
            }
        }
        int on_mark = 0;
        for (int row : {c.top + 4, c.top + 5}) {
            EXPECT_EQ(picture.at(kTipColumn, row), (Rgba{237, 223, 206, 255})) << "tip row " << row;
            EXPECT_EQ(picture.at(kTipColumn + 1, row), plate.at(kTipColumn + 1, row)) << "past the tip, row " << row;
            on_mark += mark(plate.at(kTipColumn, row));
        }
        EXPECT_GE(on_mark, 1) << "the tip rows " << c.top + 4 << " and " << c.top + 5 << " miss the mark";
    }
}

}  // namespace
}  // namespace vexmoor::test
