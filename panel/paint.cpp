#include "panel/paint.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vexmoor::panel {
namespace {

constexpr double kFullCoverage = 1.0 - 1e-9;
constexpr double kNoCoverage = 1e-6;
constexpr int kMaxSamples = 16;

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

bool drawn(const Rgb& c, bool colour_key) { return !(colour_key && c == kUndrawn); }

// Sum of weight x colour and of weights over the drawn bitmap pixels
// around one bitmap point.
struct Sample {
    double r = 0, g = 0, b = 0, weight = 0;
};

void add_bilinear(Sample& sum, const Bitmap& bitmap, bool colour_key, double sx, double sy) {
    const double u = sx - 0.5, v = sy - 0.5;
    const double fu = std::floor(u), fv = std::floor(v);
    const double fx = u - fu, fy = v - fv;
    // Points far outside the bitmap touch no pixel; stay clear of int overflow.
    if (fu < -2 || fv < -2 || fu > bitmap.width || fv > bitmap.height) return;
    const int i = static_cast<int>(fu), j = static_cast<int>(fv);
    const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    const int dx[4] = {0, 1, 0, 1}, dy[4] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) {
        if (weights[k] <= 0) continue;
        const int x = i + dx[k], y = j + dy[k];
        if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) continue;
        const Rgb& c = bitmap.at(x, y);
        if (!drawn(c, colour_key)) continue;
        sum.r += weights[k] * c.r;
        sum.g += weights[k] * c.g;
        sum.b += weights[k] * c.b;
        sum.weight += weights[k];
    }
}

bool finite(const Affine& m) {
    return std::isfinite(m.xx) && std::isfinite(m.xy) && std::isfinite(m.x0) && std::isfinite(m.yx) &&
           std::isfinite(m.yy) && std::isfinite(m.y0);
}

}  // namespace

void blend(Rgba& pixel, double r, double g, double b, double coverage) {
    if (coverage <= 0) return;
    if (coverage >= kFullCoverage) {
        pixel = Rgba{channel(r), channel(g), channel(b), 255};
        return;
    }
    const double below = pixel.a / 255.0 * (1 - coverage);
    const double alpha = coverage + below;
    pixel.r = channel((r * coverage + pixel.r * below) / alpha);
    pixel.g = channel((g * coverage + pixel.g * below) / alpha);
    pixel.b = channel((b * coverage + pixel.b * below) / alpha);
    pixel.a = channel(alpha * 255);
}

void paint_bitmap(RgbaImage& picture, const Bitmap& bitmap, bool colour_key, int x, int y) {
    // Work in 64 bits: a slider may be placed far off the picture.
    const std::int64_t x0 = std::max<std::int64_t>(0, x), y0 = std::max<std::int64_t>(0, y);
    const std::int64_t x1 = std::min<std::int64_t>(picture.width, std::int64_t(x) + bitmap.width);
    const std::int64_t y1 = std::min<std::int64_t>(picture.height, std::int64_t(y) + bitmap.height);
    for (std::int64_t py = y0; py < y1; ++py) {
        for (std::int64_t px = x0; px < x1; ++px) {
            const Rgb& c = bitmap.at(int(px - x), int(py - y));
            if (drawn(c, colour_key)) picture.at(int(px), int(py)) = Rgba{c.r, c.g, c.b, 255};
        }
    }
}

void paint_resampled(RgbaImage& picture, const Bitmap& bitmap, bool colour_key, const Resampling& how) {
    if (how.allowed && how.allowed->size() != picture.pixels.size()) {
        throw Error("the drawing mask has " + std::to_string(how.allowed->size()) + " entries for a " +
                    std::to_string(picture.width) + " x " + std::to_string(picture.height) + " picture");
    }
    const Affine& m = how.to_bitmap;
    const double det = m.xx * m.yy - m.xy * m.yx;
    if (!finite(m) || std::abs(det) < 1e-12 || bitmap.width <= 0 || bitmap.height <= 0) return;

    // The bitmap's outline on the picture, through the inverse map, widened
    // by a pixel for the bilinear fringe.
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    for (double cx : {0.0, double(bitmap.width)}) {
        for (double cy : {0.0, double(bitmap.height)}) {
            const double bx = cx - m.x0, by = cy - m.y0;
            const double px = (m.yy * bx - m.xy * by) / det, py = (-m.yx * bx + m.xx * by) / det;
            left = std::min(left, px), right = std::max(right, px);
            top = std::min(top, py), bottom = std::max(bottom, py);
        }
    }
    const int x0 = static_cast<int>(std::clamp(std::floor(left) - 1, 0.0, double(picture.width)));
    const int x1 = static_cast<int>(std::clamp(std::ceil(right) + 1, 0.0, double(picture.width)));
    const int y0 = static_cast<int>(std::clamp(std::floor(top) - 1, 0.0, double(picture.height)));
    const int y1 = static_cast<int>(std::clamp(std::ceil(bottom) + 1, 0.0, double(picture.height)));

    const int n = std::clamp(how.samples, 1, kMaxSamples);
    const double samples = double(n) * n;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(picture.width) + std::size_t(x);
            if (how.allowed && !(*how.allowed)[at]) continue;
            Sample sum;
            for (int sj = 0; sj < n; ++sj) {
                for (int si = 0; si < n; ++si) {
                    const double px = x + (si + 0.5) / n, py = y + (sj + 0.5) / n;
                    add_bilinear(sum, bitmap, colour_key, m.xx * px + m.xy * py + m.x0, m.yx * px + m.yy * py + m.y0);
                }
            }
            const double coverage = sum.weight / samples;
            if (coverage < kNoCoverage) continue;
            blend(picture.pixels[at], sum.r / sum.weight, sum.g / sum.weight, sum.b / sum.weight, coverage);
        }
    }
}

}  // namespace vexmoor::panel
