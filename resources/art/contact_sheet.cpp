#include "contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <cairo.h>

#include "kit_text.h"

namespace vexmoor::art {
namespace {

constexpr int kScale = 3;
constexpr int kMargin = 16;
constexpr int kGap = 20;
constexpr int kLine = 14;
constexpr double kTextSize = 11;
constexpr int kSheetWidth = 1200;
constexpr Rgb kPaper{232, 232, 228};
constexpr Rgb kInk{30, 30, 34};
constexpr Rgb kFrame{170, 170, 166};
constexpr Rgb kCheckLight{196, 196, 196};
constexpr Rgb kCheckDark{150, 150, 150};

std::vector<std::string> label(const Built& b) {
    const Bitmap& m = b.bitmap;
    std::vector<std::string> lines{hex_id(b.id) + " " + std::to_string(m.width) + "x" + std::to_string(m.height) +
                                   " " + std::to_string(m.bits) + "-bit"};
    if (m.bits == 8)
        lines.push_back(m.clr_used == 0 ? "256 colours (0)" : std::to_string(m.clr_used) + " colours");
    if (b.copy_of) lines.push_back("copy of " + hex_id(*b.copy_of));
    if (b.region_of) lines.push_back("region of " + hex_id(*b.region_of));
    return lines;
}

struct Tile {
    const Built* built;
    std::vector<std::string> lines;
    int x = 0, y = 0, width = 0, height = 0;
};

cairo_surface_t* enlarged(const Bitmap& m) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m.width * kScale, m.height * kScale);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < m.height * kScale; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < m.width * kScale; ++x) {
            Rgb c = m.colour(x / kScale, y / kScale);
            if (c == kUndrawn) c = ((x / kScale + y / kScale) % 2) ? kCheckDark : kCheckLight;
            row[x] = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

}  // namespace

void write_contact_sheet(const std::vector<Built>& bitmaps, const std::filesystem::path& png) {
    // Measure the labels, then lay the tiles out in rows.
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* measure = cairo_create(scratch);
    use_font(measure, Typeface::sans, kTextSize);
    std::vector<Tile> tiles;
    int widest = 0;
    for (const Built& b : bitmaps) {
        Tile t{&b, label(b)};
        t.width = b.bitmap.width * kScale;
        for (const std::string& line : t.lines)
            t.width = std::max(t.width, int(std::ceil(ink_size(measure, line).x)) + 2);
        t.height = b.bitmap.height * kScale + 6 + kLine * int(t.lines.size());
        widest = std::max(widest, t.width);
        tiles.push_back(std::move(t));
    }
    cairo_destroy(measure);
    cairo_surface_destroy(scratch);

    const int sheet_width = std::max(kSheetWidth, widest + 2 * kMargin);
    int x = kMargin, y = kMargin, row_height = 0;
    for (Tile& t : tiles) {
        if (x > kMargin && x + t.width > sheet_width - kMargin) {
            x = kMargin;
            y += row_height + kGap;
            row_height = 0;
        }
        t.x = x;
        t.y = y;
        x += t.width + kGap;
        row_height = std::max(row_height, t.height);
    }
    const int sheet_height = std::max(y + row_height + kMargin, 2 * kMargin + kLine);

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheet_width, sheet_height);
    cairo_t* cr = cairo_create(sheet);
    set_colour(cr, kPaper);
    cairo_paint(cr);
    if (tiles.empty()) {
        use_font(cr, Typeface::sans, kTextSize);
        set_colour(cr, kInk);
        cairo_move_to(cr, kMargin, kMargin + kLine);
        cairo_show_text(cr, "no bitmaps");
    }
    for (const Tile& t : tiles) {
        const Bitmap& m = t.built->bitmap;
        cairo_rectangle(cr, t.x - 0.5, t.y - 0.5, m.width * kScale + 1, m.height * kScale + 1);
        set_colour(cr, kFrame);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_surface_t* picture = enlarged(m);
        cairo_set_source_surface(cr, picture, t.x, t.y);
        cairo_paint(cr);
        cairo_surface_destroy(picture);

        use_font(cr, Typeface::sans, kTextSize);
        set_colour(cr, kInk);
        int baseline = t.y + m.height * kScale + 4 + kLine - 3;
        for (const std::string& line : t.lines) {
            cairo_move_to(cr, t.x, baseline);
            cairo_show_text(cr, line.c_str());
            baseline += kLine;
        }
    }
    cairo_destroy(cr);

    std::error_code error;
    if (png.has_parent_path()) std::filesystem::create_directories(png.parent_path(), error);
    const cairo_status_t status = cairo_surface_write_to_png(sheet, png.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS)
        throw ArtError(png.string() + ": cannot write the contact sheet: " + cairo_status_to_string(status));
}

}  // namespace vexmoor::art
