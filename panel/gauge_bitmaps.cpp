#include "panel/gauge_bitmaps.h"

#include <algorithm>

namespace vexmoor::panel {

std::string element_label(const ElementRecord& element) {
    const char* kind = "unknown kind";
    switch (element.kind) {
        case ElementKind::kStaticImage: kind = "static image"; break;
        case ElementKind::kNeedle: kind = "needle"; break;
        case ElementKind::kSlider: kind = "slider"; break;
        case ElementKind::kIcon: kind = "icon"; break;
        case ElementKind::kSprite: kind = "sprite"; break;
    }
    return "element " + std::to_string(element.order) + " (" + kind + ")";
}

GaugeBitmaps load_gauge_bitmaps(const PeImage& image, const GaugeRecord& gauge) {
    GaugeBitmaps bitmaps;
    auto load = [&](const ElementRecord& element, std::uint32_t id) {
        if (!bitmaps.find(id)) bitmaps.add(id, bitmap_for(image, id, gauge.name, element_label(element)));
    };
    for (const ElementRecord& element : gauge.elements) {
        if (element.kind == ElementKind::kIcon) {
            const std::uint32_t images = std::max<std::uint32_t>(element.icon_count, 1);
            for (std::uint32_t k = 0; k < images; ++k) load(element, element.bitmap_id + k);
        } else {
            load(element, element.bitmap_id);
        }
        if (element.kind == ElementKind::kSprite) {
            const std::uint32_t companion = element.bitmap_id + 1;
            if (bitmaps.find(companion)) continue;
            if (auto window = find_bitmap(image, companion, gauge.name, element_label(element))) {
                bitmaps.add(companion, std::move(*window));
            }
        }
    }
    return bitmaps;
}

}  // namespace vexmoor::panel
