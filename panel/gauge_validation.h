// The check that runs before the host follows a single pointer of a module:
// everything reachable from the exported Linkage record, gauge by gauge,
// element by element. Reading (gauge_reader.h) trusts what passed it.
#pragma once

#include <cstdint>

#include "panel/module_runtime.h"

namespace vexmoor::panel {

// Bounds that keep every walk over module data finite.
namespace limits {
inline constexpr std::uint32_t kGauges = 256;          // entries of the Linkage gauge list
inline constexpr std::uint32_t kNameLength = 255;      // characters before the NUL
inline constexpr std::uint32_t kListEntries = 64;      // entries of one element list
inline constexpr std::uint32_t kChainDepth = 64;       // lists nested below the root list
inline constexpr std::uint32_t kElements = 1024;       // elements of one gauge
inline constexpr std::uint32_t kFailureRecords = 64;   // records of one failure list
inline constexpr std::uint32_t kMouseRecords = 256;    // records of one mouse table
}  // namespace limits

// Checks the module's records. Throws an Error at the first fault, naming
// the file, the gauge (by its place in the list, and its name once that has
// been checked), the element (by its place in the drawing order), the field,
// what was expected and what was found. What is checked:
// - ImportTable and Linkage are exported and lie inside the image;
// - the gauge list ends with NULL within limits::kGauges entries;
// - each header lies inside the image and has version 700;
// - its name is NUL-terminated inside the image within limits::kNameLength;
// - routines, hooks and callbacks are NULL or point inside the image;
// - element lists end with NULL within limits::kListEntries, every element
//   lies inside the image with its whole record, its kind is known (0, 1,
//   3, 4, 6), no element appears twice (so the chain has no cycle), and the
//   chain is at most limits::kChainDepth lists deep;
// - failure lists end with a record of key 0 within limits::kFailureRecords;
// - a needle's table is NULL with count 0, or lies inside the image with at
//   least two entries whose values are numbers rising or falling strictly
//   along the array and whose points lie apart from the needle's position;
//   max_step_degrees is not negative;
// - an icon has at least one image;
// - the mouse table (NULL: none) holds records of kind 1, 2 or 3 and ends
//   with a record of kind 0 within limits::kMouseRecords.
void validate_module(const ModuleRuntime& runtime);

}  // namespace vexmoor::panel
