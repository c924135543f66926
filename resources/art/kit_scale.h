// A dial's scale as its needle reads it. The host turns the needle about
// the pivot toward the table point of the shown value, clockwise from one
// point to the next, so every value has a direction (between the directions
// of its neighbouring points, in proportion) and a reach: how far from the
// pivot its mark ends (likewise in proportion). A mark drawn at that
// direction and reach puts each table point at the outer end of the mark
// for its value, and the needle stands on every mark it reads.
//
// Pivot and points are gauge pixels, as the host's tables give them; the
// canvas covers pixel (x, y) from x to x + 1, so they are taken at the
// pixels' middles.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"
#include "kit_text.h"

namespace vexmoor::art {

struct ScalePoint {
    double value = 0;
    int x = 0, y = 0;
};

class Scale {
public:
    // Values rise along `points`; their directions run clockwise (a point
    // that repeats the first, one turn later, closes the dial).
    Scale(int pivot_x, int pivot_y, std::vector<ScalePoint> points);

    Point pivot() const { return pivot_; }
    double angle(double value) const;  // dial angle, beyond 360 past the top
    double reach(double value) const;
    // The point `inward` pixels in from the outer end of the value's mark.
    Point at(double value, double inward = 0) const;

private:
    struct Polar {
        double value, angle, reach;
    };
    std::pair<const Polar*, double> find(double value) const;

    Point pivot_;
    std::vector<Polar> polar_;
};

// A mark for each of `values`, from a little beyond its reach (so that the
// table point's own pixel is covered) `length` pixels inward.
struct ScaleMarks {
    std::vector<double> values{};
    double length = 6;
    double width = 1.5;
    Rgb colour = kScaleCream;
    double beyond = 0.6;
};

void draw_scale_marks(cairo_t* cr, const Scale& scale, const ScaleMarks& marks);

// Upright numerals inside the marks: the ink of each stands `gap` pixels
// clear of the inner end of a mark `mark_length` long, on the mark's line.
struct ScaleNumerals {
    std::vector<std::pair<double, std::string>> at{};
    double mark_length = 8;
    double gap = 2;
    double size = 10;
    Typeface face = Typeface::condensed_bold;
    Rgb colour = kScaleCream;
};

void draw_scale_numerals(cairo_t* cr, const Scale& scale, const ScaleNumerals& n);

}  // namespace vexmoor::art
