// Runs the recipes: every bitmap, in id order, with where copies and
// regions come from.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bitmap.h"
#include "recipe.h"

namespace vexmoor::art {

struct Built {
    std::uint16_t id;
    Bitmap bitmap;
    std::optional<std::uint16_t> copy_of;    // a whole copy of this id
    std::optional<std::uint16_t> region_of;  // cut from this id
};

// Raises ArtError naming the recipe's file and line and what is wrong.
std::vector<Built> build_all(const RecipeList& list);

}  // namespace vexmoor::art
