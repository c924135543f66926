// The module's resources as the host finds them: every bitmap at its
// identifier in US English, in the stored format and size, the copies that
// must match, and the version record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

#include "loaded_module.h"
#include "panel/version_info.h"

namespace vexmoor::test {
namespace {

constexpr std::uint32_t kRtBitmap = 2;
constexpr std::uint32_t kEnglishUs = 1033;

struct BitmapSpec {
    std::uint32_t id;
    std::int32_t width, height;
    std::uint16_t bits;
    std::optional<std::uint32_t> colours;  // the header's count, where it is fixed
};

// The bitmaps of the instruments built so far. Header colour count 0 means
// a 256-entry table.
const BitmapSpec kBitmaps[] = {
    {0x1000, 133, 130, 8, 256}, {0x1010, 19, 16, 8, 256},   {0x1011, 24, 24, 8, 256}, {0x1020, 36, 7, 8, 41},
    {0x1100, 133, 133, 8, 256}, {0x1110, 256, 256, 8, {}},  {0x1111, 133, 133, 8, 256},
    {0x1120, 256, 256, 8, {}},  {0x1121, 133, 133, 8, 256}, {0x1130, 63, 40, 8, 99},  {0x1131, 16, 50, 8, 256},
    {0x1140, 27, 27, 24, 0},    {0x1150, 27, 27, 24, 0},    {0x1200, 133, 131, 8, 0}, {0x1210, 81, 13, 8, 0},
    {0x1220, 51, 17, 8, 0},     {0x1230, 31, 13, 8, 0},     {0x1300, 133, 131, 8, 0}, {0x1310, 88, 13, 8, 0},
    {0x2200, 80, 40, 8, {}},    {0x2210, 20, 20, 8, {}},    {0x2211, 20, 20, 8, {}},  {0x2220, 20, 20, 8, {}},
    {0x2221, 20, 20, 8, {}},    {0x2500, 50, 106, 8, {}},   {0x2510, 13, 10, 8, {}},
};

std::span<const std::uint8_t> bitmap_bytes(const panel::PeImage& image, std::uint32_t id) {
    auto r = image.find_resource(kRtBitmap, id, kEnglishUs);
    if (!r) return {};
    return image.view(r->rva, r->size, "bitmap");
}

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(Resources, EveryBitmapInItsFormatAndSize) {
    LoadedModule module;
    const panel::PeImage& image = module.rt().image();
    for (const BitmapSpec& want : kBitmaps) {
        SCOPED_TRACE(std::to_string(want.id));
        auto bytes = bitmap_bytes(image, want.id);
        ASSERT_GE(bytes.size(), 40u) << "missing or truncated";
        EXPECT_EQ(le32(bytes, 0), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, 4)), want.width);
        EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, 8)), want.height) << "bottom-up: positive height";
        EXPECT_EQ(le16(bytes, 12), 1u);
        EXPECT_EQ(le16(bytes, 14), want.bits);
        EXPECT_EQ(le32(bytes, 16), 0u) << "no compression";
        const std::uint32_t colours = le32(bytes, 32);
        if (want.colours) {
            EXPECT_EQ(colours, *want.colours);
        } else {
            EXPECT_GE(colours, 1u);
            EXPECT_LE(colours, 256u);
        }
        const std::uint32_t table = want.bits == 8 ? (colours == 0 ? 256 : colours) : 0;
        const std::uint32_t stride = (static_cast<std::uint32_t>(want.width) * want.bits / 8 + 3) & ~3u;
        EXPECT_EQ(bytes.size(), 40 + 4 * table + stride * static_cast<std::uint32_t>(want.height));
    }
    // Nothing is stored in another language.
    for (const panel::PeResource& r : image.resources()) EXPECT_EQ(r.language, kEnglishUs) << r.id;
}

TEST(Resources, EveryBitmapThatAnElementReachesExists) {
    LoadedModule module;
    const panel::PeImage& image = module.rt().image();
    for (Address header : module.gauges()) {
        SCOPED_TRACE(module.gauge_name(header));
        const std::vector<Address> chain = module.chain(header);
        // The background's width is the gauge's default width.
        auto background = bitmap_bytes(image, module.u32(chain.at(0) + L::element::kBitmapId));
        ASSERT_FALSE(background.empty());
        EXPECT_EQ(le32(background, 4), module.u32(header + L::gauge::kDefaultWidth));
        for (Address e : chain) {
            const std::uint32_t id = module.u32(e + L::element::kBitmapId);
            const std::uint32_t kind = module.u32(e + L::element::kKind);
            std::uint32_t images = 1;
            if (kind == L::kIcon) images = module.u32(e + L::icon::kIconCount);
            if (kind == L::kSprite) images = 2;  // the card and its companion
            for (std::uint32_t k = 0; k < images; ++k) EXPECT_FALSE(bitmap_bytes(image, id + k).empty()) << id + k;
        }
    }
}

TEST(Resources, CopiesAreByteIdentical) {
    LoadedModule module;
    const panel::PeImage& image = module.rt().image();
    const std::pair<std::uint32_t, std::uint32_t> copies[] = {
        {0x1111, 0x1100}, {0x1121, 0x1100}, {0x1150, 0x1140}};
    for (auto [copy, original] : copies) {
        auto a = bitmap_bytes(image, copy), b = bitmap_bytes(image, original);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << copy << " differs from " << original;
    }
}

TEST(Resources, VersionRecord) {
    LoadedModule module;
    const panel::VersionInfo v = panel::read_version_info(module.rt().image());
    EXPECT_EQ(v.file_version_ms, 0x00010000u);
    EXPECT_EQ(v.file_version_ls, 0u);
    EXPECT_EQ(v.product_version_ms, 0x00010000u);
    EXPECT_EQ(v.product_version_ls, 0u);
    EXPECT_EQ(v.flags_mask, 0x3Fu);
    EXPECT_EQ(v.flags, 0u);
    EXPECT_EQ(v.os, 0x00010004u);
    EXPECT_EQ(v.type, 1u);
    EXPECT_EQ(v.subtype, 0u);
    EXPECT_EQ(v.date_ms, 0u);
    EXPECT_EQ(v.date_ls, 0u);
    ASSERT_EQ(v.strings.count("040904b0"), 1u);
    const auto& s = v.strings.at("040904b0");
    EXPECT_EQ(s.at("FileDescription"), "Flight Simulator 2000 Gauge");
    EXPECT_EQ(s.at("FileVersion"), "1.0.0");
    EXPECT_EQ(s.at("ProductVersion"), "1.0.0");
    EXPECT_EQ(s.at("ProductName"), "vexmoor");
    EXPECT_FALSE(s.at("CompanyName").empty());
    EXPECT_FALSE(s.at("LegalCopyright").empty());
    EXPECT_EQ(v.translations, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{{0x0409, 0x04B0}}));
    auto r = module.rt().image().find_resource(16, 1, kEnglishUs);
    ASSERT_TRUE(r.has_value());
}

TEST(Resources, MalformedVersionRecordsAreNamedErrors) {
    const std::vector<std::vector<std::uint8_t>> bad = {
        {},
        {0x06, 0x00},
        {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00},                      // longer than the record
        {0x0A, 0x00, 0x00, 0x00, 0x00, 0x00, 'V', 0x00, 'S', 0x00},  // unterminated key
    };
    for (const auto& bytes : bad) {
        try {
            panel::parse_version_info(bytes, "sample.gau");
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const panel::Error& e) {
            EXPECT_NE(std::string(e.what()).find("sample.gau: version record"), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
