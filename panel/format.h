// Numbers as the host's messages write them.
#pragma once

#include <cstdint>
#include <string>

namespace vexmoor::panel {

// 0x followed by upper-case hex digits, no padding: 0x1015C.
std::string hex(std::uint32_t value);
// A double with up to 17 significant digits, as short as it reads back.
std::string decimal(double value);

}  // namespace vexmoor::panel
