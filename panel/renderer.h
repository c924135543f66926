// Draws a gauge as it shows after an update: its records (GaugeRecord), what
// each element shows (ElementState, one per element, same order) and its
// bitmaps, into an RGBA picture the size of the gauge's background.
//
// The rules:
// - The picture is the size of the bitmap of the first element of the root
//   list; the header's default_width must equal its width. Pixels start
//   transparent; everything is clipped to the picture.
// - Elements are drawn in GaugeRecord::elements order (an element, then its
//   children, depth first). An element whose state is not visible is not
//   drawn; its children are drawn as their own states say.
// - With bit 0x1 in draw_flags, pure black bitmap pixels are undrawn.
// - Static images and icons: the bitmap (an icon's image k is bitmap
//   bitmap_id + k) with its top-left corner on `position`, pixel for pixel.
// - Sliders: likewise at `position` plus the travel, each coordinate rounded
//   to the nearest pixel, a travel exactly halfway between two pixels going
//   to the larger one (right or down): floor(travel + 0.5).
// - Needles: the bitmap turned so that its `offset` pixel lies on the
//   `position` pixel (centre on centre) and its +x axis points along
//   direction_degrees, clockwise from straight up; the bitmap as stored
//   points right, 90 degrees. Each picture pixel samples the bitmap at its
//   centre, bilinear over the four nearest bitmap pixels, undrawn pixels
//   contributing nothing, and is blended with the drawn pixels' share of the
//   weight, so turned needles have smooth edges. Directions that are a
//   multiple of 90 degrees copy the bitmap's pixels exactly.
// - Sprites: the card bitmap reduced by its texture scales (256 pixels at
//   2.25 become about 114) with its centre (width / 2, height / 2) on the
//   centre of the `offset` pixel, moved by the travel (card pixels along the
//   card's own axes, +y down, divided by the texture scales) and turned by
//   rotation_degrees clockwise about that point. Each picture pixel averages
//   n x n bilinear samples, n the larger texture scale rounded up (at most
//   4), so the reduced card keeps its thin lines.
// - A sprite's card stays inside its window: it is drawn only on the picture
//   pixels where the companion bitmap at bitmap_id + 1 (a copy of the
//   gauge's background, laid with its top-left corner on the sprite's
//   `position`) shows the window colour (1, 1, 1). Without a companion the
//   card is clipped to the picture only.
// - A needle, slider or sprite whose placement is not a finite number lies
//   nowhere on the gauge and is not drawn.
//
// Records and states that do not fit together (a missing bitmap, an icon
// image beyond its icon_count, a texture scale that is not positive, a
// state list of the wrong length) are an Error naming the gauge and element.
#pragma once

#include <cstdint>
#include <span>

#include "panel/dib.h"
#include "panel/gauge_bitmaps.h"
#include "panel/gauge_model.h"
#include "panel/rgba_image.h"

namespace vexmoor::panel {

inline constexpr std::uint32_t kColourKeyFlag = 0x1;
inline constexpr Rgb kWindowColour{1, 1, 1};

RgbaImage render_gauge(const GaugeRecord& gauge, std::span<const ElementState> states, const GaugeBitmaps& bitmaps);

// A slider's travel in whole pixels: floor(travel + 0.5).
std::int64_t whole_pixels(double travel);

}  // namespace vexmoor::panel
