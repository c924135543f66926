// Colour tables: exact when the picture fits, reduced without ever mapping a
// drawn pixel to black when it does not, padded to a fixed count.
#include <gtest/gtest.h>

#include <cstdlib>

#include "quantise.h"

namespace vexmoor::art {
namespace {

Image row_of(std::vector<Rgb> pixels) {
    Image image(int(pixels.size()), 1);
    image.pixels = std::move(pixels);
    return image;
}

// `n` distinct colours spread over the cube, optionally with undrawn pixels.
Image spread(int n, int undrawn = 0) {
    std::vector<Rgb> pixels;
    for (int i = 0; i < n; ++i)
        pixels.push_back(Rgb{std::uint8_t(1 + i % 255), std::uint8_t((i * 37) % 256), std::uint8_t((i * 11) / 7)});
    pixels.insert(pixels.end(), std::size_t(undrawn), kUndrawn);
    return row_of(pixels);
}

struct Case {
    const char* what;
    Image image;
    QuantiseOptions options;
    std::size_t table_size;
    bool exact;      // every pixel keeps its colour
    int worst = 0;   // otherwise: largest error allowed in any channel
};

TEST(Quantise, Cases) {
    const Rgb red{200, 0, 0}, green{0, 200, 0}, blue{0, 0, 200}, white{255, 255, 255};
    const Case cases[] = {
        {"few colours kept exactly", row_of({red, green, blue, red}), {}, 3, true},
        {"undrawn pixels get a black entry", row_of({kUndrawn, white, kUndrawn}), {}, 2, true},
        {"fixed count padded with unused entries", row_of({red, white}), {.entries = 41, .pad = true}, 41, true},
        {"exactly as many colours as entries", spread(256), {}, 256, true},
        {"more colours than entries", spread(300), {.entries = 90}, 90, false, 40},
        {"more colours than a padded table", spread(2000, 5), {.entries = 256, .pad = true}, 256, false, 40},
        {"undrawn pixels take one of the entries", spread(256, 1), {}, 256, false, 8},
        {"drawn colours whose mean is black", row_of({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, kUndrawn}), {.entries = 2}, 2,
         false, 2},
        {"black entry kept for later use", row_of({red, green, blue}), {.entries = 3, .keep_black = true}, 3, false,
         200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Indexed q = quantise(c.image, c.options);
        ASSERT_EQ(q.table.size(), c.table_size);
        ASSERT_EQ(q.index.size(), c.image.pixels.size());
        if (c.options.keep_black) {
            EXPECT_EQ(q.table.front(), kUndrawn);
        }
        for (std::size_t i = 0; i < q.index.size(); ++i) {
            ASSERT_LT(q.index[i], q.table.size());
            const Rgb in = c.image.pixels[i], out = q.table[q.index[i]];
            if (in == kUndrawn) {
                EXPECT_EQ(out, kUndrawn) << "pixel " << i;
                continue;
            }
            EXPECT_NE(out, kUndrawn) << "drawn pixel " << i << " became black";
            if (c.exact) {
                EXPECT_EQ(out, in) << "pixel " << i;
            } else {
                EXPECT_LE(std::abs(out.r - in.r), c.worst) << "pixel " << i;
                EXPECT_LE(std::abs(out.g - in.g), c.worst) << "pixel " << i;
                EXPECT_LE(std::abs(out.b - in.b), c.worst) << "pixel " << i;
            }
        }
        const Indexed again = quantise(c.image, c.options);
        EXPECT_EQ(again.table, q.table);
        EXPECT_EQ(again.index, q.index);
    }
}

TEST(Quantise, TableSizeOutOfRangeIsRefused) {
    for (int entries : {0, 1, 257}) {
        try {
            quantise(row_of({Rgb{1, 2, 3}}), {.entries = entries});
            ADD_FAILURE() << entries << " entries accepted";
        } catch (const ArtError& e) {
            EXPECT_NE(std::string(e.what()).find(std::to_string(entries)), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace vexmoor::art
