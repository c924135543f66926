#include "gauge_view.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "panel/png_file.h"
#include "panel/renderer.h"

namespace vexmoor::test {
namespace {

std::string module_path() {
    const char* path = std::getenv("VEXMOOR_MODULE");
    if (path == nullptr || *path == '\0') throw std::runtime_error("VEXMOOR_MODULE is not set");
    return path;
}

bool listed(std::initializer_list<int> orders, int order) {
    return std::find(orders.begin(), orders.end(), order) != orders.end();
}

bool not_listed(std::initializer_list<int> orders, int order) { return !listed(orders, order); }

}  // namespace

GaugeView::GaugeView(std::string gauge) : panel_(Panel::open(module_path())), gauge_(std::move(gauge)) {
    bitmaps_ = panel::load_gauge_bitmaps(panel_->runtime().image(), panel_->gauge(gauge_));
}

void GaugeView::settle(std::uint32_t token, double value) {
    set(token, value);
    settle();
}

const ElementState& GaugeView::state(int order) { return panel_->states(gauge_).at(std::size_t(order - 1)); }

const ElementRecord& GaugeView::record(int order) const {
    return panel_->gauge(gauge_).elements.at(std::size_t(order - 1));
}

const Bitmap& GaugeView::bitmap(std::uint32_t id) const {
    const Bitmap* found = bitmaps_.find(id);
    if (found == nullptr) throw std::runtime_error(gauge_ + " has no bitmap " + std::to_string(id));
    return *found;
}

RgbaImage GaugeView::render() { return panel::render_gauge(panel_->gauge(gauge_), panel_->states(gauge_), bitmaps_); }

RgbaImage GaugeView::render_only(std::initializer_list<int> orders) { return render_if(listed, orders); }

RgbaImage GaugeView::render_without(std::initializer_list<int> orders) { return render_if(not_listed, orders); }

RgbaImage GaugeView::render_if(bool (*keep)(std::initializer_list<int>, int), std::initializer_list<int> orders) {
    std::vector<ElementState> states = panel_->states(gauge_);
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (!keep(orders, int(i) + 1)) states[i].visible = false;
    }
    return panel::render_gauge(panel_->gauge(gauge_), states, bitmaps_);
}

Rgba pixel(const RgbaImage& picture, int x, int y) { return picture.contains(x, y) ? picture.at(x, y) : Rgba{}; }

bool pale_cream(Rgba p) { return p.a == 255 && p.r >= 170 && p.g >= 160 && p.b >= 130 && p.r - p.b <= 60; }

void keep_picture(const RgbaImage& picture, const std::string& name) {
    const char* dir = std::getenv("VEXMOOR_PICTURES");
    if (dir == nullptr || *dir == '\0') return;
    std::filesystem::create_directories(dir);
    panel::write_png(picture, (std::filesystem::path(dir) / (name + ".png")).string());
}

}  // namespace vexmoor::test
