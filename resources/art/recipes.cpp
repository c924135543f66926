// The instruments whose bitmaps the module holds. Each line names a function
// `void NAME_recipes(RecipeList&)` defined in recipes_NAME.cpp, which adds
// that instrument's bitmaps (dial, needles, knobs and the rest together).
// A new instrument is a new recipes_NAME.cpp and one more line here.
#include "recipes.h"

#define VEXART_INSTRUMENTS(X) \
    X(round_knob)              \
    X(turn_indicator)          \
    X(attitude)                \
    X(landing_gear)            \
    X(flaps)                   \
    X(altimeter)               \
    X(airspeed)

namespace vexmoor::art {

#define VEXART_DECLARE(name) void name##_recipes(RecipeList& list);
VEXART_INSTRUMENTS(VEXART_DECLARE)
#undef VEXART_DECLARE

void all_recipes(RecipeList& list) {
#define VEXART_ADD(name) name##_recipes(list);
    VEXART_INSTRUMENTS(VEXART_ADD)
#undef VEXART_ADD
}

}  // namespace vexmoor::art
