// Numerals and labels in DejaVu, loaded through FreeType. Hinting and
// antialiasing are fixed so that every run draws the same pixels.
#pragma once

#include <string_view>

#include <cairo.h>

#include "kit_geometry.h"

namespace vexmoor::art {

enum class Typeface { sans, sans_bold, condensed, condensed_bold, mono };

// Selects the typeface at `size` pixels (the em height). A missing font file
// raises ArtError naming it.
void use_font(cairo_t* cr, Typeface face, double size);

// Draws `text` with the middle of its ink at `centre`, in the current font
// and source, turned by `degrees` clockwise about that point.
void show_centred(cairo_t* cr, Point centre, std::string_view text, double degrees = 0);

// The width and height of the ink of `text` in the current font.
Point ink_size(cairo_t* cr, std::string_view text);

}  // namespace vexmoor::art
