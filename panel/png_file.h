// PNG files of pictures, written and read through cairo (native only; a
// Windows build of the tools would write them with stb_image_write instead).
#pragma once

#include <string>

#include "panel/error.h"
#include "panel/rgba_image.h"

namespace vexmoor::panel {

// Writes the picture with its alpha. An empty picture, or a file that cannot
// be written, is an Error naming the file.
void write_png(const RgbaImage& picture, const std::string& path);

// Reads a PNG file; one that is missing or not a PNG is an Error naming it.
RgbaImage read_png(const std::string& path);

}  // namespace vexmoor::panel
