// The landing gear lights: two round lamp housings side by side, the red
// transit light on the left and the green down-and-locked light on the
// right, 41 pixels apart. The face shows both lenses dark; each light is a
// two-image icon over its lens, nothing at all while dark and a glowing disc
// that covers the lens exactly while lit.
#include <cmath>

#include "kit_bezel.h"
#include "kit_colours.h"
#include "recipe.h"

namespace vexmoor::art {
namespace {

constexpr int kLightSize = 20;
// Where the lights sit on the face; the lens under each is the lit disc's
// own shape moved by the same amount.
constexpr int kRedX = 8, kGreenX = 49, kLightsY = 11;
constexpr int kApart = kGreenX - kRedX;

// The lens, a disc 18 pixels across whose middle lies between pixels 9 and
// 10 of the light's 20 x 20 picture. Each row reaches this many pixels out
// from the middle, counted from the two middle rows outward (the columns
// reach the same, the disc being round). Where the outline steps
// diagonally, three pixels in each quarter are only partly covered by the
// glass: they take the darker rim colour.
constexpr int kReach[9] = {9, 9, 9, 8, 8, 7, 7, 5, 3};

enum class LensPart { outside, glass, rim };

LensPart lens_part(int x, int y) {
    // Distances from the middle, in whole pixels: 0 for pixels 9 and 10.
    const int across = x < 10 ? 9 - x : x - 10, down = y < 10 ? 9 - y : y - 10;
    if (across < 0 || across > 8 || down < 0 || down > 8 || across >= kReach[down]) return LensPart::outside;
    const bool stepping = (across == 8 && down == 2) || (across == 2 && down == 8) || (across == 6 && down == 6);
    return stepping ? LensPart::rim : LensPart::glass;
}

// A lit light: the glowing glass over its lens, nothing drawn around it.
Draw lit_disc(Rgb glass, Rgb rim) {
    return [glass, rim](Canvas& canvas) {
        for (int y = 0; y < kLightSize; ++y)
            for (int x = 0; x < kLightSize; ++x)
                if (const LensPart part = lens_part(x, y); part != LensPart::outside)
                    canvas.set(x, y, part == LensPart::rim ? rim : glass);
    };
}

// The unlit glass: deep red-brown, darker toward its edge like a dome of
// tinted glass, with the panel light caught on its upper left and a faint
// second glint low on the right where the light leaves the dome.
Rgb dark_glass(double dx, double dy) {
    constexpr Rgb kMiddle{104, 34, 24}, kEdge{46, 13, 10}, kGlint{232, 186, 172};
    const double r = std::hypot(dx, dy) / 9.0;
    Rgb c = mix(kMiddle, kEdge, std::pow(r, 1.6));
    const double glint = std::hypot(dx + 3.2, dy + 3.4) / 3.4;
    if (glint < 1) c = mix(c, kGlint, 0.8 * (1 - glint) * (1 - glint));
    const double low = std::hypot(dx - 4.6, dy - 5.0) / 3.0;
    if (low < 1) c = mix(c, Rgb{150, 62, 48}, 0.35 * (1 - low));
    return c;
}

// One housing, centred between pixels of its lens: a flange lit on its
// upper left, a dark groove, a cap whose chamfer runs down to the glass.
void draw_housing(Canvas& canvas, int lens_x, int lens_y) {
    cairo_t* cr = canvas.cr();
    const Point centre{lens_x + 10.0, lens_y + 10.0};
    const Rgb light{196, 198, 202}, shade{58, 59, 62};
    draw_bezel(cr, {.centre = centre, .outer = 17, .inner = 12.6, .light = light, .dark = shade});
    draw_ring(cr, centre, 12.1, 1.0, Rgb{26, 26, 28});
    draw_bezel(cr, {.centre = centre, .outer = 11.6, .inner = 8.5, .light = mix(light, shade, 0.15), .dark = shade});
    for (int y = 0; y < kLightSize; ++y)
        for (int x = 0; x < kLightSize; ++x)
            if (lens_part(x, y) != LensPart::outside)
                canvas.set(lens_x + x, lens_y + y, dark_glass(x - 9.5, y - 9.5));
}

void draw_gear_face(Canvas& canvas) {
    draw_housing(canvas, kRedX, kLightsY);
    // The green light's housing is the red one's, pixel for pixel.
    canvas.copy(0, 0, kApart, canvas.height(), kApart, 0);
}

}  // namespace

void landing_gear_recipes(RecipeList& list) {
    list.add({.id = 0x2200, .width = 80, .height = 40, .backdrop = kCaseMetal, .draw = draw_gear_face});
    list.add({.id = 0x2210, .width = kLightSize, .height = kLightSize, .draw = [](Canvas&) {}});
    list.add({.id = 0x2211, .width = kLightSize, .height = kLightSize,
              .draw = lit_disc(Rgb{186, 0, 0}, Rgb{128, 0, 0})});
    list.add({.id = 0x2220, .width = kLightSize, .height = kLightSize, .draw = [](Canvas&) {}});
    list.add({.id = 0x2221, .width = kLightSize, .height = kLightSize,
              .draw = lit_disc(Rgb{0, 160, 0}, Rgb{0, 64, 0})});
}

}  // namespace vexmoor::art
