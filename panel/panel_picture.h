// Several gauge pictures laid out on one panel picture, for people to look
// at: a dark panel, the gauges in rows left to right with margins around
// them, each gauge's name in small text under it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "panel/gauge_model.h"
#include "panel/rgba_image.h"

namespace vexmoor::panel {

struct PanelGauge {
    std::string name;
    RgbaImage picture;
};

struct PanelLayout {
    int columns = 4;        // gauges per row
    int margin = 12;        // pixels around and between gauges
    bool labels = true;     // names under the gauges
    int zoom = 1;           // each gauge pixel drawn as zoom x zoom (1 to 8)
    Rgba panel{34, 36, 40, 255};
    Rgba text{200, 200, 190, 255};
};

inline constexpr int kLabelHeight = 14;  // pixels under a gauge for its name

// Where each gauge goes: top-left corners in order, and the panel's size.
// Each row is as tall as its tallest (zoomed) gauge plus a label line;
// gauges of a row are aligned at the top. Columns below 1 count as 1, a
// zoom outside 1 to 8 as the nearest of them.
struct PanelPlan {
    int width = 0;
    int height = 0;
    std::vector<IntPoint> places;
};
PanelPlan plan_panel(std::span<const PanelGauge> gauges, const PanelLayout& layout = {});

// The panel picture: opaque, the gauges blended over the panel colour (their
// transparent corners show the panel). Native only: the text goes through
// cairo. An empty list gives a panel of just its margins; a panel too large
// for cairo (over 32767 pixels a side) is an Error.
RgbaImage lay_out_panel(std::span<const PanelGauge> gauges, const PanelLayout& layout = {});

}  // namespace vexmoor::panel
