#include "panel/png_file.h"

#include "panel/cairo_image.h"

namespace vexmoor::panel {

void write_png(const RgbaImage& picture, const std::string& path) {
    if (picture.width <= 0 || picture.height <= 0) {
        throw Error(path + ": nothing to write, the picture is " + std::to_string(picture.width) + " x " +
                    std::to_string(picture.height));
    }
    Surface surface = to_surface(picture);
    cairo_status_t status = cairo_surface_status(surface.get());
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_write_to_png(surface.get(), path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw Error(path + ": cannot write the PNG file (" + cairo_status_to_string(status) + ")");
    }
}

RgbaImage read_png(const std::string& path) {
    Surface surface(cairo_image_surface_create_from_png(path.c_str()));
    const cairo_status_t status = cairo_surface_status(surface.get());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw Error(path + ": cannot read it as a PNG file (" + cairo_status_to_string(status) + ")");
    }
    RgbaImage picture = from_surface(surface.get());
    if (picture.width == 0) throw Error(path + ": the PNG file holds a kind of picture that is not read");
    return picture;
}

}  // namespace vexmoor::panel
