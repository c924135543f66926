// A picture of every bitmap for people to look at: each at three times its
// size (nearest neighbour), labelled with its id, size and depth, undrawn
// (pure black) pixels shown as a grey checkerboard.
#pragma once

#include <filesystem>
#include <vector>

#include "build.h"

namespace vexmoor::art {

void write_contact_sheet(const std::vector<Built>& bitmaps, const std::filesystem::path& png);

}  // namespace vexmoor::art
