// The flap position indicator as written: the plate with its scale, and the
// pointer the host slides down it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "dib.h"
#include "output.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

Bitmap written(std::uint16_t id) {
    const auto path = art_dir() / bitmap_file_name(id);
    return decode_bmp(read_file(path), path.string());
}

constexpr Rgb kCream{237, 223, 206};

// Marks and labels are light paint on the dark window.
bool light(Rgb c) { return std::min({c.r, c.g, c.b}) >= 200; }

struct LongMark {
    int first, last;  // rows
    const char* label;
};
constexpr LongMark kLongMarks[] = {
    {23, 24, "UP"}, {35, 36, "20"}, {46, 48, "40"}, {59, 60, "60"}, {71, 72, "80"}, {82, 83, "DN"},
};

// The window's rows, and the columns from the pointer's left end to the
// labels' right end and a little beyond: the scale lies in there.
constexpr int kTop = 14, kBottom = 92, kScaleLeft = 12, kScaleRight = 40;

// The columns of each row of the pointer's wedge.
std::optional<std::pair<int, int>> wedge_row(int y) {
    switch (y) {
        case 1: case 8: return std::pair{2, 3};
        case 2: case 7: return std::pair{1, 6};
        case 3: case 6: return std::pair{1, 9};
        case 4: case 5: return std::pair{1, 11};
        default: return std::nullopt;
    }
}

TEST(Flaps, SizesAndColourTables) {
    const Bitmap plate = written(0x2500), pointer = written(0x2510);
    EXPECT_EQ(plate.width, 50);
    EXPECT_EQ(plate.height, 106);
    EXPECT_EQ(pointer.width, 13);
    EXPECT_EQ(pointer.height, 10);
    for (const Bitmap* b : {&plate, &pointer}) {
        EXPECT_EQ(b->bits, 8);
        EXPECT_EQ(b->clr_used, b->table.size()) << "no fixed count: the table is as long as the picture needs";
        EXPECT_LE(b->table.size(), 256u);
    }
    EXPECT_EQ(pointer.table.size(), 2u) << "cream and undrawn";
}

TEST(Flaps, PointerIsACreamWedge) {
    const Bitmap pointer = written(0x2510);
    int undrawn = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 13; ++x) {
            const auto span = wedge_row(y);
            const bool inside = span && x >= span->first && x <= span->second;
            EXPECT_EQ(pointer.colour(x, y), inside ? kCream : kUndrawn) << "at " << x << "," << y;
            undrawn += pointer.colour(x, y) == kUndrawn;
        }
    }
    EXPECT_EQ(undrawn, 74);
}

TEST(Flaps, LongMarksStandWhereTheScaleSays) {
    const Bitmap plate = written(0x2500);
    for (const LongMark& m : kLongMarks) {
        SCOPED_TRACE(m.label);
        for (int y = m.first - 1; y <= m.last + 1; ++y) {
            const bool row_of_mark = y >= m.first && y <= m.last;
            for (int x = 18; x <= 23; ++x) EXPECT_EQ(light(plate.colour(x, y)), row_of_mark) << "at " << x << "," << y;
            EXPECT_FALSE(light(plate.colour(17, y))) << "left of the mark, row " << y;
            EXPECT_FALSE(light(plate.colour(24, y))) << "right of the mark, row " << y;
        }
    }
}

TEST(Flaps, TwoShortMarksBetweenNeighbouringLongMarks) {
    const Bitmap plate = written(0x2500);
    for (std::size_t i = 0; i + 1 < std::size(kLongMarks); ++i) {
        const LongMark &above = kLongMarks[i], &below = kLongMarks[i + 1];
        SCOPED_TRACE(std::string(above.label) + " to " + below.label);
        std::vector<int> rows;
        for (int y = above.last + 1; y < below.first; ++y) {
            int lit = 0;
            for (int x = 19; x <= 22; ++x) lit += light(plate.colour(x, y));
            EXPECT_TRUE(lit == 0 || lit == 4) << "a whole short mark or none, row " << y;
            if (lit == 4) rows.push_back(y);
            EXPECT_FALSE(light(plate.colour(18, y))) << "short marks are shorter, row " << y;
            EXPECT_FALSE(light(plate.colour(23, y))) << "short marks are shorter, row " << y;
        }
        ASSERT_EQ(rows.size(), 2u) << "one row each, two of them";
        EXPECT_GE(rows[1] - rows[0], 3);
        EXPECT_LE(rows[1] - rows[0], 5);
        EXPECT_GE(rows[0] - above.last, 2) << "apart from the long mark above";
        EXPECT_GE(below.first - rows[1], 2) << "apart from the long mark below";
    }
}

TEST(Flaps, WhiteLabelsRightOfTheirMarks) {
    const Bitmap plate = written(0x2500);
    for (const LongMark& m : kLongMarks) {
        SCOPED_TRACE(m.label);
        int left = 50, right = -1, top = 106, bottom = -1, white = 0;
        for (int y = m.first - 6; y <= m.last + 6; ++y) {
            for (int x = 24; x <= kScaleRight; ++x) {
                const Rgb c = plate.colour(x, y);
                if (!light(c)) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                white += std::min({c.r, c.g, c.b}) >= 240;
            }
        }
        EXPECT_GE(white, 6) << "painted white";
        EXPECT_GE(left, 26);
        EXPECT_LE(left, 28) << "begins just right of the mark";
        EXPECT_LE(right, 38);
        EXPECT_NEAR((top + bottom) / 2.0, (m.first + m.last) / 2.0, 1.0) << "level with its mark";
    }
}

TEST(Flaps, OnlyMarksAndLabelsAreLightInTheWindow) {
    const Bitmap plate = written(0x2500);
    auto on_mark = [](int x, int y) {
        for (const LongMark& m : kLongMarks)
            if (y >= m.first && y <= m.last) return x >= 18 && x <= 23;
        return false;
    };
    for (int y = kTop; y <= kBottom; ++y) {
        for (int x = kScaleLeft; x <= kScaleRight; ++x) {
            const Rgb c = plate.colour(x, y);
            EXPECT_NE(c, kUndrawn) << "at " << x << "," << y;
            if (x <= 17 || (x >= 24 && x <= 25) || x >= 39) {
                EXPECT_FALSE(light(c)) << "at " << x << "," << y;
            }
            if ((x == 18 || x == 23) && !on_mark(x, y)) {
                EXPECT_FALSE(light(c)) << "only long marks reach columns 18 and 23, at " << x << "," << y;
            }
        }
    }
}

TEST(Flaps, PointerTipMeetsEachLongMark) {
    const Bitmap plate = written(0x2500), pointer = written(0x2510);
    // The tip: column 11 of the pointer, on its rows 4 and 5 only.
    for (int y = 0; y < 10; ++y) EXPECT_EQ(pointer.colour(11, y) != kUndrawn, y == 4 || y == 5) << "row " << y;
    for (int y = 0; y < 10; ++y) EXPECT_EQ(pointer.colour(12, y), kUndrawn) << "nothing beyond the tip, row " << y;

    const struct {
        double v;                  // flap position
        std::optional<int> mark;   // index into kLongMarks
    } cases[] = {
        {0, 0}, {3276.6, 1}, {6553.2, 2}, {9829.8, 3}, {13106.4, 4}, {16383, 5}, {8191.5, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("flap position " + std::to_string(c.v));
        const int top = int(std::lround(19 + 0.00366 * c.v));
        const int tip[] = {top + 4, top + 5};
        const int tip_column = 12 + 11;
        EXPECT_EQ(tip_column, 23) << "the right end of the long marks";
        if (c.mark) {
            const LongMark& m = kLongMarks[*c.mark];
            int on_mark = 0;
            for (int row : tip)
                if (row >= m.first && row <= m.last) {
                    ++on_mark;
                    EXPECT_TRUE(light(plate.colour(tip_column, row))) << "the mark under the tip, row " << row;
                }
            EXPECT_GE(on_mark, 1) << "the tip's rows " << tip[0] << "," << tip[1] << " meet " << m.label;
        } else {
            // Half way the tip lies between the 40 and 60 marks, on none.
            EXPECT_GT(tip[0], kLongMarks[2].last);
            EXPECT_LT(tip[1], kLongMarks[3].first);
        }
    }
}

TEST(Flaps, PlateIsSlateBlueWithPureBlackOnlyBeyondItsRoundedCorners) {
    const Bitmap plate = written(0x2500);
    constexpr double kRadius = 6.25;
    int undrawn = 0;
    for (int y = 0; y < 106; ++y) {
        for (int x = 0; x < 50; ++x) {
            // Distance beyond the rounded outline (0 inside the straight parts).
            const double px = x + 0.5, py = y + 0.5;
            const double cx = std::clamp(px, kRadius, 50 - kRadius), cy = std::clamp(py, kRadius, 106 - kRadius);
            const double d = std::hypot(px - cx, py - cy);
            const bool black = plate.colour(x, y) == kUndrawn;
            undrawn += black;
            if (d <= kRadius - 0.5) {
                EXPECT_FALSE(black) << "inside at " << x << "," << y;
            }
            if (d >= kRadius + 0.5) {
                EXPECT_TRUE(black) << "outside at " << x << "," << y;
            }
        }
    }
    // Eight pixels in each corner, a pixel counting as drawn when the plate
    // covers at least half of it.
    EXPECT_EQ(undrawn, 32);

    // Beside the window, the plate itself: dark, and bluer than it is red or green.
    for (const auto& [x, y] : {std::pair{4, 50}, std::pair{46, 30}, std::pair{25, 100}}) {
        const Rgb c = plate.colour(x, y);
        EXPECT_LT(c.b, 120) << "dark at " << x << "," << y;
        EXPECT_GT(c.b, c.r + 15) << "slate blue at " << x << "," << y;
        EXPECT_GT(c.b, c.g + 8) << "slate blue at " << x << "," << y;
    }
}

}  // namespace
}  // namespace vexmoor::art::test
