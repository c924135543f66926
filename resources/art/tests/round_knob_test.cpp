// The round knob four instruments share, as written.
#include <gtest/gtest.h>

#include "dib.h"
#include "output.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

TEST(RoundKnob, AllFourAreTheSameBytes) {
    const auto first = read_file(art_dir() / bitmap_file_name(0x1140));
    for (std::uint16_t id : {0x1150, 0x1510, 0x1610})
        EXPECT_EQ(read_file(art_dir() / bitmap_file_name(id)), first) << hex_id(id);
}

TEST(RoundKnob, DrawnInsideItsCircleAndNothingOutside) {
    const auto path = art_dir() / bitmap_file_name(0x1140);
    const Bitmap knob = decode_bmp(read_file(path), path.string());
    ASSERT_EQ(knob.width, 27);
    ASSERT_EQ(knob.height, 27);
    ASSERT_EQ(knob.bits, 24);
    int undrawn = 0;
    for (int y = 0; y < 27; ++y) {
        for (int x = 0; x < 27; ++x) {
            const int d2 = (x - 13) * (x - 13) + (y - 13) * (y - 13);
            const bool black = knob.colour(x, y) == kUndrawn;
            undrawn += black;
            if (d2 <= 13 * 13) {
                EXPECT_FALSE(black) << "inside at " << x << "," << y;
            }
            if (d2 >= 14 * 14) {
                EXPECT_TRUE(black) << "outside at " << x << "," << y;
            }
        }
    }
    // A pixel is drawn when the circle covers at least half of it, which
    // leaves 152 corner pixels (38 in each corner).
    EXPECT_EQ(undrawn, 152);
}

TEST(RoundKnob, RimIsLighterThanFace) {
    const auto path = art_dir() / bitmap_file_name(0x1140);
    const Bitmap knob = decode_bmp(read_file(path), path.string());
    auto grey = [&](int x, int y) {
        const Rgb c = knob.colour(x, y);
        return (c.r + c.g + c.b) / 3;
    };
    int rim = 0, face = 0;
    for (int x = 2; x <= 3; ++x) rim = std::max(rim, std::max(grey(x, 13), grey(13, x)));
    for (int x = 11; x <= 15; ++x) face = std::max(face, grey(x, 13));
    EXPECT_GT(rim, 150) << "light grey rim";
    EXPECT_LT(face, 100) << "dark face";
}

}  // namespace
}  // namespace vexmoor::art::test
