// Between RgbaImage and cairo's premultiplied 32-bit image surfaces. Native
// only, like everything that uses cairo.
#pragma once

#include <cairo.h>

#include <memory>

#include "panel/rgba_image.h"

namespace vexmoor::panel {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A new ARGB32 surface holding the picture.
Surface to_surface(const RgbaImage& picture);

// The pixels of an ARGB32 or RGB24 image surface; another format gives an
// empty picture.
RgbaImage from_surface(cairo_surface_t* surface);

}  // namespace vexmoor::panel
