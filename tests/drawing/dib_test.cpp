// Bitmap resources decoded as the host reads them, and every way a header
// or its data can be wrong.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "panel/dib.h"
#include "scene.h"

namespace vexmoor::test {
namespace {

using panel::decode_dib;
using panel::Error;
using Bytes = std::vector<std::uint8_t>;

const Rgb kRed{200, 10, 20}, kGreen{5, 180, 40}, kBlue{30, 60, 250};

// 3 x 2, three table entries: each 3-byte row is padded to 4.
Bytes small_dib8() { return dib8(3, 2, {kRed, kGreen, kBlue}, {0, 1, 2, 2, 1, 0}, 3); }

TEST(Dib, EightBitsLookUpTheTableRowsBottomUpPaddingSkipped) {
    const Bitmap b = decode_dib(small_dib8(), "small");
    ASSERT_EQ(b.width, 3);
    ASSERT_EQ(b.height, 2);
    EXPECT_EQ(b.at(0, 0), kRed);
    EXPECT_EQ(b.at(1, 0), kGreen);
    EXPECT_EQ(b.at(2, 0), kBlue);
    EXPECT_EQ(b.at(0, 1), kBlue);  // the bottom row, stored first
    EXPECT_EQ(b.at(2, 1), kRed);
}

TEST(Dib, ColourCountZeroMeansAFullTable) {
    std::vector<Rgb> table(256, kBlack);
    table[255] = kBlue;
    const Bitmap b = decode_dib(dib8(1, 1, table, {255}, 0), "full table");
    EXPECT_EQ(b.at(0, 0), kBlue);
}

TEST(Dib, TwentyFourBitsHoldColoursRowsBottomUpPaddingSkipped) {
    // 3 pixels of 3 bytes: rows of 9 bytes padded to 12.
    const Bitmap b = decode_dib(dib24(3, 2, {kRed, kGreen, kBlue, kWhite, kBlack, kRed}), "true colour");
    ASSERT_EQ(b.width, 3);
    ASSERT_EQ(b.height, 2);
    EXPECT_EQ(b.at(0, 0), kRed);
    EXPECT_EQ(b.at(2, 0), kBlue);
    EXPECT_EQ(b.at(0, 1), kWhite);
    EXPECT_EQ(b.at(2, 1), kRed);
}

TEST(Dib, TwentyFourBitsSkipAPaletteTheyCarry) {
    Bytes bytes = dib24(1, 1, {kGreen});
    put32(bytes, 32, 2);
    bytes.insert(bytes.begin() + 40, 8, 0x55);  // two table entries before the pixels
    EXPECT_EQ(decode_dib(bytes, "with palette").at(0, 0), kGreen);
}

struct Malformed {
    const char* label;
    std::function<void(Bytes&)> spoil;
    const char* message;  // part of the error
};

const Malformed kMalformed[] = {
    {"header cut short", [](Bytes& b) { b.resize(39); }, "too short for a 40-byte bitmap header"},
    {"no bytes", [](Bytes& b) { b.clear(); }, "only 0 bytes"},
    {"core header size", [](Bytes& b) { put32(b, 0, 12); }, "header size 12"},
    {"version 5 header size", [](Bytes& b) { put32(b, 0, 124); }, "header size 124"},
    {"two planes", [](Bytes& b) { put16(b, 12, 2); }, "2 planes"},
    {"run-length compressed", [](Bytes& b) { put32(b, 16, 1); }, "compressed (method 1)"},
    {"bit fields", [](Bytes& b) { put32(b, 16, 3); }, "compressed (method 3)"},
    {"top-down", [](Bytes& b) { put32(b, 8, static_cast<std::uint32_t>(-2)); }, "top-down"},
    {"zero width", [](Bytes& b) { put32(b, 4, 0); }, "holds no pixels"},
    {"zero height", [](Bytes& b) { put32(b, 8, 0); }, "holds no pixels"},
    {"negative width", [](Bytes& b) { put32(b, 4, static_cast<std::uint32_t>(-3)); }, "holds no pixels"},
    {"huge", [](Bytes& b) { put32(b, 4, 1u << 20); }, "implausibly large"},
    {"4 bits", [](Bytes& b) { put16(b, 14, 4); }, "4 bits per pixel"},
    {"32 bits", [](Bytes& b) { put16(b, 14, 32); }, "32 bits per pixel"},
    {"table over 256", [](Bytes& b) { put32(b, 32, 300); }, "colour table of 300 entries"},
    {"table cut short", [](Bytes& b) { b.resize(40 + 8); }, "the colour table of 3 entries ends past"},
    {"pixels cut short", [](Bytes& b) { b.pop_back(); }, "truncated: 2 rows of 4 bytes"},
    {"index beyond the table", [](Bytes& b) { b[40 + 12 + 4 + 1] = 3; }, "pixel (1, 0) uses colour 3 beyond the table of 3"},
};

TEST(Dib, MalformedBitmapsAreErrorsNamingTheBitmap) {
    for (const Malformed& m : kMalformed) {
        SCOPED_TRACE(m.label);
        Bytes bytes = small_dib8();
        m.spoil(bytes);
        try {
            decode_dib(bytes, "vexmoor.gau: bitmap 0x2510");
            ADD_FAILURE() << "decoded";
        } catch (const Error& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind("vexmoor.gau: bitmap 0x2510: ", 0), 0u) << text;
            EXPECT_NE(text.find(m.message), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
