// One gauge of the real module (VEXMOOR_MODULE) on a panel of its own: set
// tokens, run updates, and draw it as the host shows it, or with only some
// of its elements, so that a part can be told from what lies under it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "panel/dib.h"
#include "panel/gauge_bitmaps.h"
#include "panel/gauge_model.h"
#include "panel/panel.h"
#include "panel/rgba_image.h"

namespace vexmoor::test {

using panel::Bitmap;
using panel::ElementRecord;
using panel::ElementState;
using panel::IntPoint;
using panel::Panel;
using panel::Rgb;
using panel::Rgba;
using panel::RgbaImage;

class GaugeView {
public:
    explicit GaugeView(std::string gauge);

    Panel& panel() { return *panel_; }
    void set(std::uint32_t token, double value) { panel_->simulation().set_value(token, value); }
    // Sets the token, then updates until every needle has arrived.
    void settle(std::uint32_t token, double value);
    void settle() { panel_->update_until_settled(gauge_); }
    void update(int times = 1) { panel_->update(gauge_, times); }

    // Elements by their 1-based place in the drawing order.
    const ElementState& state(int order);
    const ElementRecord& record(int order) const;
    // A bitmap of the gauge, as the host loaded it from the module.
    const Bitmap& bitmap(std::uint32_t id) const;

    // The gauge as shown now.
    RgbaImage render();
    // Only the elements at these places drawn; the others hidden.
    RgbaImage render_only(std::initializer_list<int> orders);
    // Every element drawn but those at these places.
    RgbaImage render_without(std::initializer_list<int> orders);

private:
    RgbaImage render_if(bool (*keep)(std::initializer_list<int>, int), std::initializer_list<int> orders);

    std::unique_ptr<Panel> panel_;
    std::string gauge_;
    panel::GaugeBitmaps bitmaps_;
};

// A picture's pixel; transparent when (x, y) lies outside it.
Rgba pixel(const RgbaImage& picture, int x, int y);
inline Rgba opaque(Rgb c) { return Rgba{c.r, c.g, c.b, 255}; }
inline constexpr Rgb kPureBlack{0, 0, 0};

// The pale cream of the needles' blades and the flap pointer, with the
// shading of their edges; the dark faces, hubs and cases are not.
bool pale_cream(Rgba p);

// Writes the picture to $VEXMOOR_PICTURES/<name>.png when that is set, for
// people to look at what the tests draw.
void keep_picture(const RgbaImage& picture, const std::string& name);

}  // namespace vexmoor::test
