// Where a recipe draws: a transparent ARGB surface the size of the bitmap.
// Cairo paths antialias as usual; set() and fill() place exact, fully
// covered pixels for bitmaps laid out pixel by pixel, and copy() repeats
// a part already drawn. flatten() decides
// which pixels are drawn: one covered less than the threshold stays undrawn
// (pure black); any other is composed over the backdrop, the colour the
// picture will sit on, so its antialiased edges blend toward that colour
// instead of toward black.
#pragma once

#include <cairo.h>

#include "image.h"

namespace vexmoor::art {

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return cr_; }

    void set(int x, int y, Rgb colour);
    void fill(int x, int y, int w, int h, Rgb colour);
    // Copies the w x h pixels at (x, y), coverage and all, to (to_x, to_y):
    // an exact copy of a part drawn once, for a picture that shows it twice.
    // Source pixels beyond the surface count as undrawn; destination pixels
    // beyond it are left out.
    void copy(int x, int y, int w, int h, int to_x, int to_y);

    // `coverage`: the least alpha (0..1] that counts as drawn.
    Image flatten(Rgb backdrop, double coverage) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace vexmoor::art
