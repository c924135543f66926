// Host codes that the module hands over as plain numbers: the module never
// interprets them, it only writes them into its records.
#pragma once

#include <cstdint>

namespace vexmoor::host {

// Identifiers of the two exported records.
inline constexpr std::uint32_t kImportEntryPanelServices = 0x0000000F;
inline constexpr std::uint32_t kModuleIdentifier = 0x00000013;

// Version of the gauge header layout.
inline constexpr std::uint32_t kGaugeHeaderVersion = 700;

// Drawing flags: bit 0x1 leaves pure black pixels undrawn.
inline constexpr std::uint32_t kDrawTransparent = 0x1;

// Cursor codes.
inline constexpr std::int32_t kCursorNone = -1;
inline constexpr std::int32_t kCursorDecrease = 1;   // right half of a two-way control
inline constexpr std::int32_t kCursorIncrease = 2;   // left half of a two-way control
inline constexpr std::int32_t kCursorHand = 5;       // a single click area

// Mouse-button flags.
inline constexpr std::uint32_t kMouseTwoWay = 0x20200000;
inline constexpr std::uint32_t kMouseSingle = 0x20000000;

}  // namespace vexmoor::host
