#include "recipe.h"

#include <cstdio>

namespace vexmoor::art {

std::string hex_id(std::uint16_t id) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", unsigned(id));
    return text;
}

}  // namespace vexmoor::art
