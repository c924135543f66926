// How a bitmap is made. Every recipe names its resource id and exactly one
// source of pixels:
//   draw      paints on a Canvas (cairo paths, or set()/fill() for pixel-exact
//             layouts); the picture is then flattened over `backdrop` and, for
//             8 bits, quantised to a colour table;
//   copy_of   takes another bitmap whole: the same bytes, the same table;
//   region    takes a rectangle of another bitmap's stored pixels (and its
//             colour table), optionally forcing some pixels to undrawn.
//
//   list.add({.id = 0x1140, .width = 27, .height = 27, .bits = 24,
//             .backdrop = kCaseMetal, .draw = draw_round_knob});
//   list.add({.id = 0x1150, .copy_of = 0x1140});
//   list.add({.id = 0x1111, .width = 40, .height = 20, .colours = 256,
//             .region = Region{.source = 0x1100, .x = 10, .y = 60,
//                              .undrawn = [](int, int, Rgb c) { return c == kSky; }}});
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <source_location>
#include <string>
#include <vector>

#include "canvas.h"
#include "image.h"

namespace vexmoor::art {

using Draw = std::function<void(Canvas&)>;

struct Region {
    std::uint16_t source = 0;
    int x = 0, y = 0;  // top-left corner within the source; the size is the recipe's
    // Pixels (in the region's own coordinates, with their colour) to leave undrawn.
    std::function<bool(int x, int y, Rgb colour)> undrawn{};
};

struct Recipe {
    std::uint16_t id = 0;
    int width = 0, height = 0;  // not needed by a copy
    int bits = 8;               // 8: colour table; 24: colours stored in the pixels
    // A fixed colour table: written as biClrUsed (0 stands for 256 entries);
    // the table then has exactly that many entries, padded or quantised to fit.
    // Without it the table holds exactly the colours the bitmap uses.
    std::optional<std::uint32_t> colours{};
    Rgb backdrop{};          // the colour the picture sits on, for its antialiased edges
    double coverage = 0.5;   // least coverage (alpha) that counts as drawn
    Draw draw{};
    std::optional<std::uint16_t> copy_of{};
    std::optional<Region> region{};
};

struct PlacedRecipe {
    Recipe recipe;
    std::source_location where;
};

class RecipeList {
public:
    void add(Recipe recipe, std::source_location where = std::source_location::current()) {
        recipes_.push_back({std::move(recipe), where});
    }
    const std::vector<PlacedRecipe>& recipes() const { return recipes_; }

private:
    std::vector<PlacedRecipe> recipes_;
};

// "0x1140", the way ids are written everywhere.
std::string hex_id(std::uint16_t id);

}  // namespace vexmoor::art
