// Running recipes: drawn, copied and cut from another bitmap, and what
// happens to a recipe that cannot be made.
#include <gtest/gtest.h>

#include "build.h"
#include "dib.h"

namespace vexmoor::art {
namespace {

constexpr Rgb kRed{200, 0, 0}, kBlue{0, 0, 200}, kGrey{90, 90, 90};

// Left half red, right half blue, on a grey backdrop; pixel-exact.
void halves(Canvas& c) {
    c.fill(0, 0, c.width() / 2, c.height(), kRed);
    c.fill(c.width() / 2, 0, c.width() - c.width() / 2, c.height(), kBlue);
}

const Bitmap& find(const std::vector<Built>& all, std::uint16_t id) {
    for (const Built& b : all)
        if (b.id == id) return b.bitmap;
    throw std::runtime_error("missing " + hex_id(id));
}

TEST(Build, ColourCountAndCopies) {
    RecipeList list;
    list.add({.id = 0x0020, .width = 4, .height = 2, .draw = halves});
    list.add({.id = 0x0010, .width = 4, .height = 2, .colours = 41, .draw = halves});
    list.add({.id = 0x0011, .width = 4, .height = 2, .colours = 0, .draw = halves});
    list.add({.id = 0x0030, .copy_of = 0x0010});
    list.add({.id = 0x0031, .copy_of = 0x0030});
    const auto all = build_all(list);

    ASSERT_EQ(all.size(), 5u);
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_LT(all[i - 1].id, all[i].id) << "in id order";
    EXPECT_EQ(find(all, 0x0020).clr_used, 2u) << "exactly the colours used";
    EXPECT_EQ(find(all, 0x0020).table.size(), 2u);
    EXPECT_EQ(find(all, 0x0010).clr_used, 41u);
    EXPECT_EQ(find(all, 0x0010).table.size(), 41u);
    EXPECT_EQ(find(all, 0x0011).clr_used, 0u);
    EXPECT_EQ(find(all, 0x0011).table.size(), 256u);
    EXPECT_EQ(find(all, 0x0010).image().pixels, find(all, 0x0020).image().pixels);
    EXPECT_EQ(encode_bmp(find(all, 0x0030)), encode_bmp(find(all, 0x0010)));
    EXPECT_EQ(encode_bmp(find(all, 0x0031)), encode_bmp(find(all, 0x0010)));
    EXPECT_EQ(all[4].id, 0x0031);
    EXPECT_EQ(all[4].copy_of, std::uint16_t(0x0030)) << "a copy names what it copies";
}

TEST(Build, RegionKeepsTheSourceTableAndLeavesChosenPixelsUndrawn) {
    RecipeList list;
    list.add({.id = 0x0100, .width = 6, .height = 4, .colours = 256, .draw = halves});
    list.add({.id = 0x0101, .width = 4, .height = 2, .colours = 256,
              .region = Region{.source = 0x0100, .x = 1, .y = 1,
                               .undrawn = [](int x, int, Rgb c) { return c == kBlue && x == 3; }}});
    list.add({.id = 0x0102, .width = 2, .height = 2, .region = Region{.source = 0x0100, .x = 4, .y = 0, .undrawn = {}}});
    const auto all = build_all(list);
    const Bitmap &whole = find(all, 0x0100), &cut = find(all, 0x0101), &small = find(all, 0x0102);

    EXPECT_EQ(cut.table, whole.table) << "same table, same order";
    EXPECT_EQ(whole.table.front(), kUndrawn) << "the source keeps a black entry for the region";
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const std::size_t at = std::size_t(y) * 4 + std::size_t(x);
            if (x == 3)
                EXPECT_EQ(cut.colour(x, y), kUndrawn);
            else
                EXPECT_EQ(cut.index[at], whole.index[std::size_t(y + 1) * 6 + std::size_t(x + 1)]);
        }
    EXPECT_EQ(small.clr_used, 1u) << "without a fixed count, only the colours used";
    EXPECT_EQ(small.colour(0, 0), kBlue);
}

TEST(Build, TrueColourKeepsEveryDrawnPixel) {
    RecipeList list;
    list.add({.id = 0x0200, .width = 3, .height = 1, .bits = 24, .backdrop = kGrey, .draw = [](Canvas& c) {
                  c.set(0, 0, Rgb{1, 2, 3});
                  c.set(1, 0, kUndrawn);
              }});
    const Bitmap b = build_all(list).front().bitmap;
    EXPECT_EQ(b.bits, 24);
    EXPECT_EQ(b.clr_used, 0u);
    EXPECT_EQ(b.colour(0, 0), (Rgb{1, 2, 3}));
    EXPECT_EQ(b.colour(1, 0), kDarkestDrawn);
    EXPECT_EQ(b.colour(2, 0), kUndrawn);
}

struct Broken {
    const char* what;
    std::function<void(RecipeList&)> recipes;
    const char* message;
};

TEST(Build, RecipesThatCannotBeMadeAreNamed) {
    const Draw dot = [](Canvas& c) { c.set(0, 0, kRed); };
    const Broken cases[] = {
        {"same id twice", [&](RecipeList& l) {
             l.add({.id = 0x0300, .width = 1, .height = 1, .draw = dot});
             l.add({.id = 0x0300, .width = 1, .height = 1, .draw = dot});
         }, "id already used by the recipe at"},
        {"no pixels", [](RecipeList& l) { l.add({.id = 0x0300, .width = 1, .height = 1}); },
         "needs exactly one of draw, copy_of and region, has 0"},
        {"two sources", [&](RecipeList& l) { l.add({.id = 0x0300, .width = 1, .height = 1, .draw = dot, .copy_of = 1}); },
         "has 2"},
        {"copy of nothing", [](RecipeList& l) { l.add({.id = 0x0300, .copy_of = 0x0999}); },
         "takes its pixels from 0x0999, which has no recipe"},
        {"copies in a circle", [](RecipeList& l) {
             l.add({.id = 0x0300, .copy_of = 0x0301});
             l.add({.id = 0x0301, .copy_of = 0x0300});
         }, "is made from itself"},
        {"region outside its source", [&](RecipeList& l) {
             l.add({.id = 0x0300, .width = 4, .height = 4, .draw = dot});
             l.add({.id = 0x0301, .width = 2, .height = 2, .region = Region{.source = 0x0300, .x = 3, .y = 0, .undrawn = {}}});
         }, "region 2x2 at 3,0 does not lie within 0x0300 (4x4)"},
        {"no size", [&](RecipeList& l) { l.add({.id = 0x0300, .draw = dot}); }, "size 0x0 is not between"},
        {"odd depth", [&](RecipeList& l) { l.add({.id = 0x0300, .width = 1, .height = 1, .bits = 16, .draw = dot}); },
         "depth 16"},
        {"fixed colours at 24 bits", [&](RecipeList& l) {
             l.add({.id = 0x0300, .width = 1, .height = 1, .bits = 24, .colours = 256, .draw = dot});
         }, "no colour table to fix"},
        {"too many fixed colours", [&](RecipeList& l) {
             l.add({.id = 0x0300, .width = 1, .height = 1, .colours = 300, .draw = dot});
         }, "at most 256"},
        {"fixed table of one", [&](RecipeList& l) {
             l.add({.id = 0x0300, .width = 1, .height = 1, .colours = 1, .draw = dot});
         }, "2 to 256 entries"},
    };
    for (const Broken& c : cases) {
        SCOPED_TRACE(c.what);
        RecipeList list;
        c.recipes(list);
        try {
            build_all(list);
            ADD_FAILURE() << "built";
        } catch (const ArtError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("build_test.cpp:"), std::string::npos) << message;
            EXPECT_NE(message.find("recipe 0x030"), std::string::npos) << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
    }
}

}  // namespace
}  // namespace vexmoor::art
