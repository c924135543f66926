// Writing bitmaps and reading them back.
#include <gtest/gtest.h>

#include <functional>

#include "dib.h"

namespace vexmoor::art {
namespace {

Bitmap indexed(int width, int height, std::uint32_t clr_used, std::size_t entries) {
    Bitmap b{.width = width, .height = height, .bits = 8, .clr_used = clr_used, .table = {}, .index = {}, .rgb = {}};
    for (std::size_t i = 0; i < entries; ++i) b.table.push_back(Rgb{std::uint8_t(i), std::uint8_t(255 - i), 7});
    for (int i = 0; i < width * height; ++i) b.index.push_back(std::uint8_t((i * 7) % int(entries)));
    return b;
}

Bitmap true_colour_of(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.at(x, y) = Rgb{std::uint8_t(x * 9), std::uint8_t(y * 5), 200};
    return true_colour(image);
}

TEST(Dib, RoundTrip) {
    // Widths that leave 0 to 3 bytes of padding at the end of each row.
    const std::pair<const char*, Bitmap> cases[] = {
        {"8-bit, 4 wide", indexed(4, 3, 5, 5)},
        {"8-bit, 5 wide, table of 0 meaning 256", indexed(5, 2, 0, 256)},
        {"8-bit, 7 wide, fixed 41", indexed(7, 4, 41, 41)},
        {"24-bit, 27 wide", true_colour_of(27, 27)},
        {"24-bit, 2 wide", true_colour_of(2, 3)},
        {"24-bit, 4 wide", true_colour_of(4, 1)},
    };
    for (const auto& [what, bitmap] : cases) {
        SCOPED_TRACE(what);
        const auto bytes = encode_bmp(bitmap);
        EXPECT_EQ(bytes.size(), 54 + 4 * bitmap.table.size() + row_stride(bitmap.width, bitmap.bits) * bitmap.height);
        EXPECT_EQ(decode_bmp(bytes, "round trip"), bitmap);
    }
}

TEST(Dib, RowsAreStoredBottomUp) {
    Image image(1, 2);
    image.at(0, 0) = Rgb{1, 2, 3};  // top
    image.at(0, 1) = Rgb{4, 5, 6};  // bottom
    const auto bytes = encode_bmp(true_colour(image));
    // First stored row is the bottom one, as blue, green, red.
    EXPECT_EQ(bytes[54], 6);
    EXPECT_EQ(bytes[55], 5);
    EXPECT_EQ(bytes[56], 4);
    EXPECT_EQ(bytes[58], 3);  // after one byte of padding
}

TEST(Dib, DamagedFilesAreNamedAndExplained) {
    const auto good = encode_bmp(indexed(3, 2, 4, 4));
    struct Damage {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> apply;
        const char* message;
    };
    const Damage cases[] = {
        {"too short", [](auto& b) { b.resize(20); }, "too short"},
        {"wrong signature", [](auto& b) { b[0] = 'X'; }, "signature"},
        {"truncated pixels", [](auto& b) { b.pop_back(); }, "file size"},
        {"other header size", [](auto& b) { b[14] = 12; }, "header size"},
        {"top-down rows", [](auto& b) { b[22] = 0xfe, b[23] = b[24] = b[25] = 0xff; }, "bottom-up"},
        {"16 bits per pixel", [](auto& b) { b[28] = 16; }, "depth 16"},
        {"compressed", [](auto& b) { b[30] = 1; }, "compressed"},
        {"index past the table", [](auto& b) { b[b.size() - 4] = 9; }, "past the colour table"},
    };
    for (const Damage& d : cases) {
        SCOPED_TRACE(d.what);
        auto bytes = good;
        d.apply(bytes);
        try {
            decode_bmp(bytes, "bmp_0042.bmp");
            ADD_FAILURE() << "accepted";
        } catch (const ArtError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("bmp_0042.bmp: ", 0), 0u) << message;
            EXPECT_NE(message.find(d.message), std::string::npos) << message;
        }
    }
}

}  // namespace
}  // namespace vexmoor::art
