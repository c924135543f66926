// Numerals and labels in DejaVu, loaded through FreeType. Hinting and
// antialiasing are fixed so that every run draws the same pixels.
#pragma once

#include <string_view>

#include <cairo.h>

#include "kit_geometry.h"

namespace vexmoor::art {

enum class Typeface { sans, sans_bold, condensed, condensed_bold, mono };

// How glyph outlines are fitted to the pixels: `slight` only aligns them
// vertically and keeps their shapes and spacing true (numerals on dials);
// `full` snaps strokes and advances to whole pixels both ways, which keeps
// labels only a few pixels high sharp.
enum class Hinting { slight, full };

// Selects the typeface at `size` pixels (the em height). A missing font file
// raises ArtError naming it.
void use_font(cairo_t* cr, Typeface face, double size, Hinting hinting = Hinting::slight);

// Draws `text` with the middle of its ink at `centre`, in the current font
// and source, turned by `degrees` clockwise about that point.
void show_centred(cairo_t* cr, Point centre, std::string_view text, double degrees = 0);

// Draws `text` with the left edge of its ink on the column nearest `start.x`
// and its baseline on a whole row, the middle of the ink as near `start.y`
// as that allows. With full hinting, small labels come out sharp.
void show_from_left(cairo_t* cr, Point start, std::string_view text);

// The width and height of the ink of `text` in the current font.
Point ink_size(cairo_t* cr, std::string_view text);

}  // namespace vexmoor::art
