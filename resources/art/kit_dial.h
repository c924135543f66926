// Dial faces and what is printed on them: rings of tick marks, numerals
// around the dial, and labels.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <cairo.h>

#include "kit_colours.h"
#include "kit_geometry.h"
#include "kit_text.h"

namespace vexmoor::art {

struct Face {
    Point centre{};
    double radius = 0;
    Rgb colour = kDialFace;
    double wear = 0;  // 0: flat; up to 1: faint blotches, the same every run
};

void draw_face(cairo_t* cr, const Face& f);

// Marks running inward from `outer`, one at each dial angle in `at`.
struct Ticks {
    Point centre{};
    double outer = 0;
    double length = 0;
    double width = 1;
    std::vector<double> at{};
    Rgb colour = kMarking;
};

void draw_ticks(cairo_t* cr, const Ticks& t);

// Dial angles from `from` to `to` (both included) every `step` degrees.
std::vector<double> every(double from, double to, double step);

// Each text centred on the point `radius` from the centre at its angle;
// upright, or turned with the dial so that its foot faces the centre.
struct Numerals {
    Point centre{};
    double radius = 0;
    std::vector<std::pair<double, std::string>> at{};
    double size = 10;
    Typeface face = Typeface::sans_bold;
    Rgb colour = kMarking;
    bool upright = true;
};

void draw_numerals(cairo_t* cr, const Numerals& n);

void draw_label(cairo_t* cr, Point centre, std::string_view text, double size, Typeface face = Typeface::sans,
                Rgb colour = kMarking);

}  // namespace vexmoor::art
