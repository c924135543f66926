// The landing gear lights as written: the face with its two dark lenses,
// and the lights the host lays over them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "dib.h"
#include "output.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Bitmap written(std::uint16_t id) {
    const auto path = art_dir() / bitmap_file_name(id);
    return decode_bmp(read_file(path), path.string());
}

// The lens of a 20 x 20 light, centred between pixels 9 and 10 both ways:
// every pixel whose centre lies within sqrt(78.5) of the middle, and the
// four on the diagonals 6.5 out each way. Its rim is those four and the
// eight 8.5 out one way and 2.5 the other.
bool in_disc(int x, int y) {
    const double dx = std::abs(x - 9.5), dy = std::abs(y - 9.5);
    return dx * dx + dy * dy <= 78.5 || (dx == 6.5 && dy == 6.5);
}

bool on_rim(int x, int y) {
    const double dx = std::abs(x - 9.5), dy = std::abs(y - 9.5);
    return (dx == 6.5 && dy == 6.5) || (dx == 8.5 && dy == 2.5) || (dx == 2.5 && dy == 8.5);
}

Pixels disc_at(int left, int top) {
    Pixels out;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (in_disc(x, y)) out.insert({left + x, top + y});
    return out;
}

bool reddish(Rgb c) { return c.r > c.g + 12 && c.r > c.b + 12; }

TEST(LandingGear, SizesAndColourTables) {
    const struct {
        std::uint16_t id;
        int width, height;
        std::size_t colours;  // 0: the face's shading, reduced to at most 256
    } cases[] = {
        {0x2200, 80, 40, 0}, {0x2210, 20, 20, 1}, {0x2211, 20, 20, 3}, {0x2220, 20, 20, 1}, {0x2221, 20, 20, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(hex_id(c.id));
        const Bitmap b = written(c.id);
        EXPECT_EQ(b.width, c.width);
        EXPECT_EQ(b.height, c.height);
        EXPECT_EQ(b.bits, 8);
        EXPECT_EQ(b.clr_used, b.table.size()) << "no fixed count: the table is as long as the picture needs";
        if (c.colours) {
            EXPECT_EQ(b.table.size(), c.colours);
        } else {
            EXPECT_LE(b.table.size(), 256u);
        }
    }
}

TEST(LandingGear, DarkLightsDrawNothing) {
    for (std::uint16_t id : {0x2210, 0x2220}) {
        const Bitmap b = written(id);
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) EXPECT_EQ(b.colour(x, y), kUndrawn) << hex_id(id) << " at " << x << "," << y;
    }
}

TEST(LandingGear, LitLightsAreDiscsOfGlassWithADarkerRim) {
    const struct {
        std::uint16_t id;
        Rgb glass, rim;
    } cases[] = {{0x2211, {186, 0, 0}, {128, 0, 0}}, {0x2221, {0, 160, 0}, {0, 64, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(hex_id(c.id));
        const Bitmap b = written(c.id);
        int glass = 0, rim = 0, undrawn = 0, left = 20, right = -1, top = 20, bottom = -1;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const Rgb got = b.colour(x, y);
                const Rgb expected = !in_disc(x, y) ? kUndrawn : on_rim(x, y) ? c.rim : c.glass;
                EXPECT_EQ(got, expected) << "at " << x << "," << y;
                glass += got == c.glass, rim += got == c.rim, undrawn += got == kUndrawn;
                if (got != kUndrawn) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_EQ(glass, 248);
        EXPECT_EQ(rim, 12);
        EXPECT_EQ(undrawn, 140);
        EXPECT_EQ(std::make_pair(left, right), std::make_pair(1, 18)) << "columns";
        EXPECT_EQ(std::make_pair(top, bottom), std::make_pair(1, 18)) << "rows";
    }
}

TEST(LandingGear, LitDiscsCoverTheLensesExactly) {
    const Bitmap face = written(0x2200);
    Pixels lens;
    for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x)
            if (reddish(face.colour(x, y))) lens.insert({x, y});

    const struct {
        std::uint16_t id;
        int x, y;  // where the host draws the light
        int left, right;  // the lens's columns on the face
    } lights[] = {{0x2211, 8, 11, 9, 26}, {0x2221, 49, 11, 50, 67}};
    Pixels covered;
    for (const auto& l : lights) {
        SCOPED_TRACE(hex_id(l.id));
        const Bitmap light = written(l.id);
        Pixels drawn;
        for (int y = 0; y < light.height; ++y)
            for (int x = 0; x < light.width; ++x)
                if (light.colour(x, y) != kUndrawn) drawn.insert({l.x + x, l.y + y});
        EXPECT_EQ(drawn.size(), 260u);
        EXPECT_EQ(drawn, disc_at(l.x, l.y));
        for (const auto& [x, y] : drawn) {
            EXPECT_GE(x, l.left);
            EXPECT_LE(x, l.right);
            EXPECT_GE(y, 12);
            EXPECT_LE(y, 29);
        }
        covered.insert(drawn.begin(), drawn.end());
    }
    EXPECT_EQ(lens, covered) << "the face's red glass is exactly what the lit lights cover";

    // Unlit, the glass is a dark brownish red.
    long r = 0, g = 0, b = 0;
    for (const auto& [x, y] : lens) {
        const Rgb c = face.colour(x, y);
        r += c.r, g += c.g, b += c.b;
    }
    const auto n = long(lens.size());
    EXPECT_LT(r / n, 110) << "dark";
    EXPECT_GT(r / n, 2 * (g / n)) << "red";
    EXPECT_GE(g / n, b / n) << "toward brown";
}

TEST(LandingGear, RightHousingIsTheLeftMoved41Pixels) {
    const Bitmap face = written(0x2200);
    for (int y = 0; y < face.height; ++y) {
        for (int x = 0; x + 41 < face.width; ++x)
            EXPECT_EQ(face.colour(x + 41, y), face.colour(x, y)) << "at " << x << "," << y;
        // Nothing of the left housing reaches where the copy would be cut off.
        EXPECT_EQ(face.colour(39, y), kUndrawn) << "row " << y;
        EXPECT_EQ(face.colour(40, y), kUndrawn) << "row " << y;
    }
}

TEST(LandingGear, GreyBezelsAndPureBlackOnlyAroundThem) {
    const Bitmap face = written(0x2200);
    constexpr double kOuter = 17;  // the bezel's outer radius about the lens's middle
    int undrawn = 0;
    for (int y = 0; y < face.height; ++y) {
        for (int x = 0; x < face.width; ++x) {
            const double middle = x < 41 ? 18 : 59;
            const double d = std::hypot(x + 0.5 - middle, y + 0.5 - 21);
            const Rgb c = face.colour(x, y);
            undrawn += c == kUndrawn;
            if (d <= kOuter - 0.5) {
                EXPECT_NE(c, kUndrawn) << "inside at " << x << "," << y;
            }
            if (d >= kOuter + 0.5) {
                EXPECT_EQ(c, kUndrawn) << "outside at " << x << "," << y;
            }
            if (d > 9.5 && d <= kOuter - 0.5) {
                EXPECT_LE(std::abs(c.r - c.g), 6) << "grey metal at " << x << "," << y;
                EXPECT_LE(std::abs(c.g - c.b), 6) << "grey metal at " << x << "," << y;
            }
        }
    }
    // Both round outlines leave these pixels undrawn, where a pixel counts
    // as drawn when the bezel covers at least half of it.
    EXPECT_EQ(undrawn, 1378);
}

}  // namespace
}  // namespace vexmoor::art::test
