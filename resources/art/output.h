// Writes the bitmaps where the module's resource script finds them:
// bmp_XXXX.bmp for each (XXXX: the id in four lowercase hex digits) and
// bitmaps.rc, one `0xXXXX BITMAP "<absolute path>"` line per bitmap in id
// order. BMP files of ids that no longer have a recipe are removed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "build.h"

namespace vexmoor::art {

std::string bitmap_file_name(std::uint16_t id);

void write_bitmaps(const std::vector<Built>& bitmaps, const std::filesystem::path& dir);

}  // namespace vexmoor::art
