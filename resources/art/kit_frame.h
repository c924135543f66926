// Raised rectangular frames around a window in a plate, lit from the upper
// left: the outer slope catches the light along the top and left and falls
// into shade along the bottom and right; the inner slope, running down into
// the window, the other way round. The corners are mitred like a picture
// frame's.
#pragma once

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"

namespace vexmoor::art {

struct Frame {
    double x = 0, y = 0;           // outer top-left corner
    double width = 0, height = 0;  // outer size
    double band = 3;               // outer slope, crest and inner slope, a third each
    Rgb colour = kCaseMetal;       // the crest; the slopes are lit and shaded from it
};

void draw_frame(cairo_t* cr, const Frame& f);

}  // namespace vexmoor::art
