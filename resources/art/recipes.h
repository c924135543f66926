// Every bitmap of the module, by instrument.
#pragma once

#include "recipe.h"

namespace vexmoor::art {

void all_recipes(RecipeList& list);

}  // namespace vexmoor::art
