// How the host places icons, sliders and sprites from the values they show.
#pragma once

#include <cstdint>

namespace vexmoor::panel {

// The image an icon shows: the value truncated toward zero, limited to
// 0..count-1; a value that is not a number shows image 0.
std::uint32_t icon_image(double value, std::uint32_t count);

// A slot's travel, value times scale: gauge pixels for a slider, card
// pixels along the card's own axes for a sprite, degrees clockwise for a
// sprite's rotation slot. A product that is not finite travels 0.
double slot_travel(double value, double scale);

}  // namespace vexmoor::panel
