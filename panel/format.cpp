#include "panel/format.h"

#include <charconv>
#include <cstdio>

namespace vexmoor::panel {

std::string hex(std::uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "0x%X", static_cast<unsigned>(value));
    return digits;
}

std::string decimal(double value) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

}  // namespace vexmoor::panel
