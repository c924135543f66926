// The round knob that four instruments share: a light grey knurled rim
// around a dark face, 27 pixels across, on the instrument case. Outside its
// circle nothing is drawn.
#include "kit_colours.h"
#include "kit_knob.h"
#include "recipe.h"

namespace vexmoor::art {
namespace {

void draw_round_knob(Canvas& canvas) {
    draw_knob(canvas.cr(), {.centre = {13.5, 13.5}, .radius = 13.5, .rim = 3.6, .teeth = 24,
                            .rim_light = kKnobRimLight, .rim_dark = kKnobRimDark, .face = kKnobFace});
}

}  // namespace

void round_knob_recipes(RecipeList& list) {
    list.add({.id = 0x1140, .width = 27, .height = 27, .bits = 24, .backdrop = kCaseMetal,
              .draw = draw_round_knob});
    list.add({.id = 0x1150, .copy_of = 0x1140});
    list.add({.id = 0x1510, .copy_of = 0x1140});
    list.add({.id = 0x1610, .copy_of = 0x1140});
}

}  // namespace vexmoor::art
