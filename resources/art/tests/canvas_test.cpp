// Which pixels count as drawn, and what colour their edges take.
#include <gtest/gtest.h>

#include <functional>

#include "canvas.h"

namespace vexmoor::art {
namespace {

constexpr Rgb kBackdrop{100, 40, 0};

struct Case {
    const char* what;
    std::function<void(Canvas&)> draw;
    Rgb expected;  // pixel (0, 0) after flattening over the backdrop
    int slack = 0;
    Rgb backdrop = kBackdrop;
};

void paint_area(Canvas& c, double width, Rgb colour) {
    cairo_rectangle(c.cr(), 0, 0, width, 1);
    cairo_set_source_rgb(c.cr(), colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
    cairo_fill(c.cr());
}

TEST(Canvas, FlattenCases) {
    const Case cases[] = {
        {"nothing drawn stays black", [](Canvas&) {}, kUndrawn},
        {"drawn black through cairo is lifted", [](Canvas& c) { paint_area(c, 1, kUndrawn); }, kDarkestDrawn},
        {"drawn black pixel by pixel is lifted", [](Canvas& c) { c.set(0, 0, kUndrawn); }, kDarkestDrawn},
        {"a set pixel keeps its exact colour", [](Canvas& c) { c.set(0, 0, Rgb{7, 130, 251}); }, Rgb{7, 130, 251}},
        {"a filled block keeps its exact colour", [](Canvas& c) { c.fill(-1, -1, 3, 3, Rgb{9, 9, 9}); }, Rgb{9, 9, 9}},
        {"a partly covered pixel blends toward the backdrop", [](Canvas& c) { paint_area(c, 0.6, Rgb{255, 255, 255}); },
         Rgb{193, 169, 153}, 3},
        {"a dark edge over a dark backdrop is never black",
         [](Canvas& c) { paint_area(c, 0.8, kUndrawn); }, kDarkestDrawn, 0, kUndrawn},
        {"a pixel below the coverage threshold stays undrawn",
         [](Canvas& c) { paint_area(c, 0.3, Rgb{255, 255, 255}); }, kUndrawn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(2, 2);
        c.draw(canvas);
        const Image image = canvas.flatten(c.backdrop, 0.5);
        const Rgb got = image.at(0, 0);
        EXPECT_NEAR(got.r, c.expected.r, c.slack);
        EXPECT_NEAR(got.g, c.expected.g, c.slack);
        EXPECT_NEAR(got.b, c.expected.b, c.slack);
    }
}

TEST(Canvas, CopyRepeatsAPartPixelForPixel) {
    const struct {
        const char* what;
        int to_x;
    } cases[] = {{"beside it", 12}, {"overlapping it", 4}, {"partly beyond the edge", 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(26, 11);
        cairo_arc(canvas.cr(), 5.5, 5.3, 4.2, 0, 7);
        cairo_set_source_rgba(canvas.cr(), 0.9, 0.5, 0.1, 0.8);
        cairo_fill(canvas.cr());
        const Image before = canvas.flatten(kBackdrop, 0.2);
        canvas.copy(0, 0, 11, 11, c.to_x, 0);
        const Image after = canvas.flatten(kBackdrop, 0.2);
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < c.to_x; ++x) EXPECT_EQ(after.at(x, y), before.at(x, y)) << "left alone at " << x << "," << y;
            for (int x = 0; x < 11 && c.to_x + x < 26; ++x)
                EXPECT_EQ(after.at(c.to_x + x, y), before.at(x, y)) << "copied from " << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace vexmoor::art
