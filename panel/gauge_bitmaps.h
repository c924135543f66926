// The bitmaps one gauge draws with, by id: loaded from the module for its
// elements, or put together by hand for a test scene.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "panel/dib.h"
#include "panel/gauge_model.h"
#include "panel/pe_image.h"

namespace vexmoor::panel {

class GaugeBitmaps {
public:
    void add(std::uint32_t id, Bitmap bitmap) { bitmaps_.insert_or_assign(id, std::move(bitmap)); }
    const Bitmap* find(std::uint32_t id) const {
        auto it = bitmaps_.find(id);
        return it == bitmaps_.end() ? nullptr : &it->second;
    }
    std::size_t size() const { return bitmaps_.size(); }

private:
    std::map<std::uint32_t, Bitmap> bitmaps_;
};

// Every bitmap the gauge's elements may show: each element's bitmap_id,
// an icon's images bitmap_id + k for k below its icon_count, and a sprite's
// companion at bitmap_id + 1 where the module has one (it is optional). A
// missing or malformed bitmap is an Error naming the file, gauge and element.
GaugeBitmaps load_gauge_bitmaps(const PeImage& image, const GaugeRecord& gauge);

// How messages name an element: "element 2 (needle)".
std::string element_label(const ElementRecord& element);

}  // namespace vexmoor::panel
