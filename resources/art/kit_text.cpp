#include "kit_text.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace vexmoor::art {
namespace {

const char* file_of(Typeface face) {
    switch (face) {
        case Typeface::sans: return "DejaVuSans.ttf";
        case Typeface::sans_bold: return "DejaVuSans-Bold.ttf";
        case Typeface::condensed: return "DejaVuSansCondensed.ttf";
        case Typeface::condensed_bold: return "DejaVuSansCondensed-Bold.ttf";
        case Typeface::mono: return "DejaVuSansMono.ttf";
    }
    return "DejaVuSans.ttf";
}

// Faces live as long as the program: cairo keeps referring to them.
cairo_font_face_t* load(Typeface face) {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) throw ArtError("FreeType would not start");
        return lib;
    }();
    static std::array<cairo_font_face_t*, 5> loaded{};
    cairo_font_face_t*& slot = loaded[std::size_t(face)];
    if (slot) return slot;
    const std::string path = std::string(VEXART_FONT_DIR) + "/" + file_of(face);
    FT_Face ft = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &ft) != 0)
        throw ArtError(path + ": cannot load this font (is fonts-dejavu-core installed?)");
    slot = cairo_ft_font_face_create_for_ft_face(ft, 0);
    return slot;
}

}  // namespace

void use_font(cairo_t* cr, Typeface face, double size, Hinting hinting) {
    cairo_set_font_face(cr, load(face));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    const bool full = hinting == Hinting::full;
    cairo_font_options_set_hint_style(options, full ? CAIRO_HINT_STYLE_FULL : CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, full ? CAIRO_HINT_METRICS_ON : CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

Point ink_size(cairo_t* cr, std::string_view text) {
    const std::string s(text);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    return {e.width, e.height};
}

void show_centred(cairo_t* cr, Point centre, std::string_view text, double degrees) {
    const std::string s(text);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, degrees * std::numbers::pi / 180.0);
    cairo_move_to(cr, -e.x_bearing - e.width / 2, -e.y_bearing - e.height / 2);
    cairo_show_text(cr, s.c_str());
    cairo_restore(cr);
}

void show_from_left(cairo_t* cr, Point start, std::string_view text) {
    const std::string s(text);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, std::round(start.x) - e.x_bearing, std::round(start.y - e.y_bearing - e.height / 2));
    cairo_show_text(cr, s.c_str());
}

}  // namespace vexmoor::art
