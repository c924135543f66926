#include "panel/renderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "panel/paint.h"

namespace vexmoor::panel {
namespace {

// Beyond this many pixels of travel an element is far off any gauge.
constexpr double kFarAway = 1e9;
constexpr int kMaxSpriteSamples = 4;

struct Turn {
    double cos = 1, sin = 0;
};

// A clockwise turn on the screen (y down). Multiples of 90 degrees are
// exact, so that needles standing straight copy their pixels exactly.
Turn turn_by(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    if (d == 0) return {1, 0};
    if (d == 90) return {0, 1};
    if (d == 180) return {-1, 0};
    if (d == 270) return {0, -1};
    const double radians = d * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

class GaugePainter {
public:
    GaugePainter(const GaugeRecord& gauge, const GaugeBitmaps& bitmaps) : gauge_(gauge), bitmaps_(bitmaps) {}

    RgbaImage paint(std::span<const ElementState> states) {
        if (gauge_.roots.empty() || gauge_.elements.empty()) fail("it has no elements to draw");
        if (states.size() != gauge_.elements.size()) {
            fail(std::to_string(states.size()) + " element states for " + std::to_string(gauge_.elements.size()) +
                 " elements");
        }
        const std::size_t root = gauge_.roots.front();
        if (root >= gauge_.elements.size()) fail("its root list names element index " + std::to_string(root));
        const ElementRecord& background = gauge_.elements[root];
        const Bitmap& face = bitmap(background, background.bitmap_id);
        if (std::uint32_t(face.width) != gauge_.default_width) {
            fail(element_label(background) + ": its bitmap " + bitmap_id_text(background.bitmap_id) + " is " +
                 std::to_string(face.width) + " pixels wide, but the header's default_width is " +
                 std::to_string(gauge_.default_width));
        }
        picture_ = RgbaImage(face.width, face.height);
        for (std::size_t i = 0; i < gauge_.elements.size(); ++i) {
            if (states[i].visible) paint_element(gauge_.elements[i], states[i]);
        }
        return std::move(picture_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const { throw Error("gauge " + gauge_.name + ": " + what); }

    const Bitmap& bitmap(const ElementRecord& element, std::uint32_t id) const {
        const Bitmap* found = bitmaps_.find(id);
        if (!found) fail(element_label(element) + ": bitmap " + bitmap_id_text(id) + " is not loaded");
        return *found;
    }

    void paint_element(const ElementRecord& element, const ElementState& state) {
        const bool key = element.draw_flags & kColourKeyFlag;
        switch (element.kind) {
            case ElementKind::kStaticImage:
                paint_bitmap(picture_, bitmap(element, element.bitmap_id), key, element.position.x,
                             element.position.y);
                return;
            case ElementKind::kIcon: {
                const std::uint32_t images = std::max<std::uint32_t>(element.icon_count, 1);
                if (state.image >= images) {
                    fail(element_label(element) + ": shows image " + std::to_string(state.image) + " of " +
                         std::to_string(images));
                }
                paint_bitmap(picture_, bitmap(element, element.bitmap_id + state.image), key, element.position.x,
                             element.position.y);
                return;
            }
            case ElementKind::kSlider: paint_slider(element, state, key); return;
            case ElementKind::kNeedle: paint_needle(element, state, key); return;
            case ElementKind::kSprite: paint_sprite(element, state, key); return;
        }
        fail(element_label(element) + ": cannot draw kind " + std::to_string(std::uint32_t(element.kind)));
    }

    void paint_slider(const ElementRecord& element, const ElementState& state, bool key) {
        const Bitmap& pointer = bitmap(element, element.bitmap_id);
        const double tx = state.travel_x, ty = state.travel_y;
        if (!(std::abs(tx) < kFarAway && std::abs(ty) < kFarAway)) return;  // also catches not-a-number
        const std::int64_t x = element.position.x + whole_pixels(tx);
        const std::int64_t y = element.position.y + whole_pixels(ty);
        if (x <= -pointer.width || y <= -pointer.height || x >= picture_.width || y >= picture_.height) return;
        paint_bitmap(picture_, pointer, key, int(x), int(y));
    }

    void paint_needle(const ElementRecord& element, const ElementState& state, bool key) {
        const Bitmap& needle = bitmap(element, element.bitmap_id);
        if (!std::isfinite(state.direction_degrees)) return;
        // A picture point Q shows the bitmap point offset + R(-turn)(Q - position),
        // both points taken at their pixel's centre.
        const Turn t = turn_by(state.direction_degrees - 90);
        const double px = element.position.x + 0.5, py = element.position.y + 0.5;
        const double ox = element.offset.x + 0.5, oy = element.offset.y + 0.5;
        Resampling how;
        how.to_bitmap = Affine{t.cos, t.sin, ox - t.cos * px - t.sin * py,
                               -t.sin, t.cos, oy + t.sin * px - t.cos * py};
        paint_resampled(picture_, needle, key, how);
    }

    void paint_sprite(const ElementRecord& element, const ElementState& state, bool key) {
        const Bitmap& card = bitmap(element, element.bitmap_id);
        const double sx = element.texture_scale_x, sy = element.texture_scale_y;
        if (!(sx > 0 && sy > 0 && std::isfinite(sx) && std::isfinite(sy))) {
            fail(element_label(element) + ": texture scales " + std::to_string(sx) + ", " + std::to_string(sy) +
                 " are not both positive");
        }
        const double tx = state.travel_x, ty = state.travel_y;
        if (!(std::abs(tx) < kFarAway && std::abs(ty) < kFarAway) || !std::isfinite(state.rotation_degrees)) return;

        // A picture point Q shows the card point
        //   centre - travel + scale * R(-rotation)(Q - face point).
        const Turn t = turn_by(state.rotation_degrees);
        const double fx = element.offset.x + 0.5, fy = element.offset.y + 0.5;
        const double cx = card.width / 2.0 - tx, cy = card.height / 2.0 - ty;
        Resampling how;
        how.to_bitmap = Affine{sx * t.cos, sx * t.sin, cx - sx * (t.cos * fx + t.sin * fy),
                               -sy * t.sin, sy * t.cos, cy - sy * (-t.sin * fx + t.cos * fy)};
        how.samples = std::clamp(static_cast<int>(std::ceil(std::max(sx, sy))), 1, kMaxSpriteSamples);

        std::vector<std::uint8_t> window;
        if (const Bitmap* companion = bitmaps_.find(element.bitmap_id + 1)) {
            window = window_mask(*companion, element.position);
            how.allowed = &window;
        }
        paint_resampled(picture_, card, key, how);
    }

    // The picture pixels where the companion shows the window colour.
    std::vector<std::uint8_t> window_mask(const Bitmap& companion, IntPoint at) const {
        std::vector<std::uint8_t> mask(picture_.pixels.size(), 0);
        for (int y = 0; y < picture_.height; ++y) {
            for (int x = 0; x < picture_.width; ++x) {
                const std::int64_t cx = std::int64_t(x) - at.x, cy = std::int64_t(y) - at.y;
                if (cx < 0 || cy < 0 || cx >= companion.width || cy >= companion.height) continue;
                if (companion.at(int(cx), int(cy)) == kWindowColour) {
                    mask[std::size_t(y) * std::size_t(picture_.width) + std::size_t(x)] = 1;
                }
            }
        }
        return mask;
    }

    const GaugeRecord& gauge_;
    const GaugeBitmaps& bitmaps_;
    RgbaImage picture_;
};

}  // namespace

std::int64_t whole_pixels(double travel) { return static_cast<std::int64_t>(std::floor(travel + 0.5)); }

RgbaImage render_gauge(const GaugeRecord& gauge, std::span<const ElementState> states, const GaugeBitmaps& bitmaps) {
    return GaugePainter(gauge, bitmaps).paint(states);
}

}  // namespace vexmoor::panel
