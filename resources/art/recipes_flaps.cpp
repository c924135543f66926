// The flap position indicator: an upright slate-blue plate with a raised
// frame around a dark window, a scale from UP to DN down the window, and a
// cream pointer that the host slides down the scale as the flaps run out.
// The pointer's tip, at column 23 of the plate, meets the right end of each
// long mark when the flaps stand at that mark.
#include <cmath>
#include <string_view>

#include "kit_case.h"
#include "kit_colours.h"
#include "kit_frame.h"
#include "kit_text.h"
#include "recipe.h"

namespace vexmoor::art {
namespace {

constexpr int kWidth = 50, kHeight = 106;
constexpr Rgb kSlate{46, 56, 78};
constexpr Rgb kWindow{16, 18, 22};
constexpr Rgb kLabelWhite{250, 250, 248};
constexpr Rgb kCream{237, 223, 206};

// The long marks, each labelled to its right: first row and thickness. The
// 40 mark is a row thicker than the others.
struct LongMark {
    int row, rows;
    std::string_view label;
};
constexpr LongMark kLongMarks[] = {
    {23, 2, "UP"}, {35, 2, "20"}, {46, 3, "40"}, {59, 2, "60"}, {71, 2, "80"}, {82, 2, "DN"},
};
constexpr int kLongLeft = 18, kLongWidth = 6;  // columns 18 to 23
constexpr int kShortLeft = 19, kShortWidth = 4;  // columns 19 to 22
// Labels start two columns right of the marks and end by column 38.
constexpr int kLabelLeft = 26;

// The short marks, one row each, a third and two thirds of the way between
// the middles of neighbouring long marks.
constexpr int kShortRows[] = {27, 31, 39, 43, 51, 55, 63, 67, 75, 79};

void draw_plate(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Case plate{.x = 0, .y = 0, .size = kWidth, .height = kHeight, .corner = 6.25, .corners = Corners::rounded,
                     .metal = kSlate, .edge = 1.5};
    draw_case(cr, plate);
    draw_corner_screws(cr, plate, 6, 3, ScrewHead::slotted);

    // The window the scale is printed in, behind a raised frame.
    const Frame frame{.x = 8, .y = 11, .width = 36, .height = 85, .band = 3, .colour = mix(kSlate, kRingLight, 0.12)};
    canvas.fill(11, 14, 30, 79, kWindow);
    draw_frame(cr, frame);

    for (const LongMark& m : kLongMarks) canvas.fill(kLongLeft, m.row, kLongWidth, m.rows, kMarking);
    for (int row : kShortRows) canvas.fill(kShortLeft, row, kShortWidth, 1, kMarking);

    use_font(cr, Typeface::sans_bold, 8, Hinting::full);
    set_colour(cr, kLabelWhite);
    for (const LongMark& m : kLongMarks) show_from_left(cr, {kLabelLeft, m.row + m.rows / 2.0}, m.label);

    // The plate's name between the upper screws.
    use_font(cr, Typeface::sans_bold, 6.5, Hinting::full);
    set_colour(cr, mix(kLabelWhite, kSlate, 0.25));
    const Point name = ink_size(cr, "FLAPS");
    show_from_left(cr, {std::round(25 - name.x / 2), 6}, "FLAPS");
}

// A wedge pointing right, laid out row by row: the columns each row spans.
struct Span {
    int row, from, to;
};
constexpr Span kWedge[] = {
    {1, 2, 3}, {2, 1, 6}, {3, 1, 9}, {4, 1, 11}, {5, 1, 11}, {6, 1, 9}, {7, 1, 6}, {8, 2, 3},
};

void draw_pointer(Canvas& canvas) {
    for (const Span& s : kWedge) canvas.fill(s.from, s.row, s.to - s.from + 1, 1, kCream);
}

}  // namespace

void flaps_recipes(RecipeList& list) {
    list.add({.id = 0x2500, .width = kWidth, .height = kHeight, .backdrop = kCaseMetal, .draw = draw_plate});
    list.add({.id = 0x2510, .width = 13, .height = 10, .draw = draw_pointer});
}

}  // namespace vexmoor::art
