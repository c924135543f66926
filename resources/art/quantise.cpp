#include "quantise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>

namespace vexmoor::art {
namespace {

struct Counted {
    Rgb colour;
    std::uint64_t pixels;
};

std::uint8_t channel(Rgb c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; }

// A box of median cut: some of the distinct colours, and how badly a single
// entry (their weighted mean) would stand for them.
struct Box {
    std::vector<Counted> colours;
    double error = 0;  // sum over pixels of the squared distance to the mean
    int widest = 0;    // channel with the largest weighted variance

    explicit Box(std::vector<Counted> c) : colours(std::move(c)) {
        std::array<double, 3> sum{}, sum_sq{};
        double n = 0;
        for (const Counted& e : colours) {
            for (int k = 0; k < 3; ++k) {
                const double v = channel(e.colour, k);
                sum[std::size_t(k)] += v * double(e.pixels);
                sum_sq[std::size_t(k)] += v * v * double(e.pixels);
            }
            n += double(e.pixels);
        }
        double widest_variance = -1;
        for (int k = 0; k < 3; ++k) {
            const double variance = sum_sq[std::size_t(k)] - sum[std::size_t(k)] * sum[std::size_t(k)] / n;
            error += variance;
            if (variance > widest_variance) {
                widest_variance = variance;
                widest = k;
            }
        }
    }

    Rgb mean() const {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t n = 0;
        for (const Counted& e : colours) {
            for (int k = 0; k < 3; ++k) sum[std::size_t(k)] += channel(e.colour, k) * e.pixels;
            n += e.pixels;
        }
        auto avg = [&](int k) { return std::uint8_t((sum[std::size_t(k)] + n / 2) / n); };
        return drawable(Rgb{avg(0), avg(1), avg(2)});
    }

    // Splits along the widest channel where half the pixels lie on each side.
    std::pair<Box, Box> split() const {
        std::vector<Counted> sorted = colours;
        const int k = widest;
        std::sort(sorted.begin(), sorted.end(), [k](const Counted& a, const Counted& b) {
            const auto ka = channel(a.colour, k), kb = channel(b.colour, k);
            return ka != kb ? ka < kb : a.colour < b.colour;
        });
        std::uint64_t total = 0;
        for (const Counted& e : sorted) total += e.pixels;
        std::uint64_t below = 0;
        std::size_t cut = 1;
        for (; cut < sorted.size(); ++cut) {
            below += sorted[cut - 1].pixels;
            if (2 * below >= total) break;
        }
        cut = std::min(cut, sorted.size() - 1);
        return {Box({sorted.begin(), sorted.begin() + std::ptrdiff_t(cut)}),
                Box({sorted.begin() + std::ptrdiff_t(cut), sorted.end()})};
    }
};

std::vector<Rgb> median_cut(std::vector<Counted> colours, std::size_t entries) {
    std::vector<Box> boxes{Box(std::move(colours))};
    while (boxes.size() < entries) {
        std::size_t worst = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].colours.size() > 1 && (worst == boxes.size() || boxes[i].error > boxes[worst].error))
                worst = i;
        if (worst == boxes.size()) break;
        auto [low, high] = boxes[worst].split();
        boxes[worst] = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<Rgb> table;
    for (const Box& box : boxes) table.push_back(box.mean());
    return table;
}

std::uint32_t distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return std::uint32_t(dr * dr + dg * dg + db * db);
}

}  // namespace

Indexed quantise(const Image& image, const QuantiseOptions& options) {
    if (options.entries < 2 || options.entries > 256)
        throw ArtError("a colour table holds 2 to 256 entries, not " + std::to_string(options.entries));

    std::map<Rgb, std::uint64_t> used;
    for (const Rgb& c : image.pixels) ++used[c];
    const bool black = used.erase(kUndrawn) > 0 || options.keep_black;

    const std::size_t room = std::size_t(options.entries) - (black ? 1 : 0);
    std::vector<Rgb> drawn;
    if (used.size() <= room) {
        for (const auto& [colour, n] : used) drawn.push_back(colour);
    } else {
        std::vector<Counted> counted;
        for (const auto& [colour, n] : used) counted.push_back({colour, n});
        drawn = median_cut(std::move(counted), room);
        std::sort(drawn.begin(), drawn.end());
    }

    Indexed out;
    if (black) out.table.push_back(kUndrawn);
    const std::size_t first_drawn = out.table.size();
    out.table.insert(out.table.end(), drawn.begin(), drawn.end());

    std::map<Rgb, std::uint8_t> lookup;
    if (black) lookup[kUndrawn] = 0;
    for (const auto& [colour, n] : used) {
        std::size_t best = first_drawn;
        for (std::size_t i = first_drawn; i < out.table.size(); ++i)
            if (distance(colour, out.table[i]) < distance(colour, out.table[best])) best = i;
        lookup[colour] = std::uint8_t(best);
    }
    out.index.reserve(image.pixels.size());
    for (const Rgb& c : image.pixels) out.index.push_back(lookup.at(c));

    if (options.pad) out.table.resize(std::size_t(options.entries), kUndrawn);
    return out;
}

}  // namespace vexmoor::art
