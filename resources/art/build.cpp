#include "build.h"

#include <map>
#include <set>
#include <string>

#include "quantise.h"

namespace vexmoor::art {
namespace {

constexpr int kLargest = 4096;

std::string size_text(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

class Builder {
public:
    explicit Builder(const RecipeList& list) {
        for (const PlacedRecipe& placed : list.recipes()) {
            const auto [it, fresh] = by_id_.emplace(placed.recipe.id, &placed);
            if (!fresh)
                throw fault(placed, "id already used by the recipe at " + where(*it->second));
            const Recipe& r = placed.recipe;
            const int sources = (r.draw ? 1 : 0) + (r.copy_of ? 1 : 0) + (r.region ? 1 : 0);
            if (sources != 1)
                throw fault(placed, "needs exactly one of draw, copy_of and region, has " +
                                        std::to_string(sources));
        }
        // A picture that a region leaves partly undrawn needs a black entry.
        for (const PlacedRecipe& placed : list.recipes()) {
            const auto& region = placed.recipe.region;
            if (!region || !region->undrawn) continue;
            std::uint16_t id = region->source;
            for (std::size_t step = 0; step <= by_id_.size() && keep_black_.insert(id).second; ++step) {
                const auto it = by_id_.find(id);
                if (it == by_id_.end() || !it->second->recipe.copy_of) break;
                id = *it->second->recipe.copy_of;
            }
        }
    }

    std::vector<Built> run() {
        std::vector<Built> out;
        for (const auto& [id, placed] : by_id_)
            out.push_back({id, build(id), placed->recipe.copy_of,
                           placed->recipe.region ? std::optional(placed->recipe.region->source) : std::nullopt});
        return out;
    }

private:
    static std::string where(const PlacedRecipe& p) {
        return std::string(p.where.file_name()) + ":" + std::to_string(p.where.line());
    }

    static ArtError fault(const PlacedRecipe& p, const std::string& what) {
        return ArtError(where(p) + ": recipe " + hex_id(p.recipe.id) + ": " + what);
    }

    const Bitmap& build(std::uint16_t id) {
        if (const auto done = done_.find(id); done != done_.end()) return done->second;
        const PlacedRecipe& p = *by_id_.at(id);
        if (!busy_.insert(id).second) throw fault(p, "is made from itself");
        Bitmap made = p.recipe.draw ? drawn(p) : p.recipe.copy_of ? copied(p) : cut(p);
        busy_.erase(id);
        return done_.emplace(id, std::move(made)).first->second;
    }

    const Bitmap& source(const PlacedRecipe& p, std::uint16_t id) {
        if (!by_id_.contains(id)) throw fault(p, "takes its pixels from " + hex_id(id) + ", which has no recipe");
        return build(id);
    }

    Bitmap copied(const PlacedRecipe& p) { return source(p, *p.recipe.copy_of); }

    Bitmap drawn(const PlacedRecipe& p) {
        const Recipe& r = p.recipe;
        if (r.width < 1 || r.height < 1 || r.width > kLargest || r.height > kLargest)
            throw fault(p, "size " + size_text(r.width, r.height) + " is not between 1x1 and 4096x4096");
        if (r.bits != 8 && r.bits != 24) throw fault(p, "depth " + std::to_string(r.bits) + " is neither 8 nor 24");
        if (r.bits == 24 && r.colours) throw fault(p, "a 24-bit bitmap has no colour table to fix");
        if (r.colours && *r.colours > 256) throw fault(p, "a colour table holds at most 256 entries");
        if (!(r.coverage > 0 && r.coverage <= 1)) throw fault(p, "coverage must lie in (0, 1]");

        Canvas canvas(r.width, r.height);
        r.draw(canvas);
        if (const cairo_status_t s = cairo_status(canvas.cr()); s != CAIRO_STATUS_SUCCESS)
            throw fault(p, std::string("drawing failed: ") + cairo_status_to_string(s));
        const Image image = canvas.flatten(r.backdrop, r.coverage);
        if (r.bits == 24) return true_colour(image);

        const QuantiseOptions options{
            .entries = r.colours ? (*r.colours == 0 ? 256 : int(*r.colours)) : 256,
            .pad = r.colours.has_value(),
            .keep_black = keep_black_.contains(r.id),
        };
        Indexed indexed;
        try {
            indexed = quantise(image, options);
        } catch (const ArtError& e) {
            throw fault(p, e.what());
        }
        const auto clr_used = r.colours ? *r.colours : std::uint32_t(indexed.table.size());
        return Bitmap{.width = r.width, .height = r.height, .bits = 8, .clr_used = clr_used,
                      .table = std::move(indexed.table), .index = std::move(indexed.index), .rgb = {}};
    }

    Bitmap cut(const PlacedRecipe& p) {
        const Recipe& r = p.recipe;
        const Region& region = *r.region;
        const Bitmap& from = source(p, region.source);
        if (r.width < 1 || r.height < 1 || region.x < 0 || region.y < 0 ||
            region.x + r.width > from.width || region.y + r.height > from.height)
            throw fault(p, "region " + size_text(r.width, r.height) + " at " + std::to_string(region.x) + "," +
                               std::to_string(region.y) + " does not lie within " + hex_id(region.source) +
                               " (" + size_text(from.width, from.height) + ")");
        if (from.bits == 24 && r.colours) throw fault(p, "a region of a 24-bit bitmap has no colour table to fix");

        Bitmap out{.width = r.width, .height = r.height, .bits = from.bits, .clr_used = 0,
                   .table = from.table, .index = {}, .rgb = {}};
        std::optional<std::uint8_t> black;
        for (std::size_t i = 0; i < out.table.size() && !black; ++i)
            if (out.table[i] == kUndrawn) black = std::uint8_t(i);
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x) {
                const int sx = region.x + x, sy = region.y + y;
                const bool undrawn = region.undrawn && region.undrawn(x, y, from.colour(sx, sy));
                const std::size_t at = std::size_t(sy) * std::size_t(from.width) + std::size_t(sx);
                if (from.bits == 24) {
                    out.rgb.push_back(undrawn ? kUndrawn : from.rgb[at]);
                    continue;
                }
                if (undrawn && !black) {
                    if (out.table.size() == 256) throw fault(p, hex_id(region.source) + "'s colour table has no room for black");
                    black = std::uint8_t(out.table.size());
                    out.table.push_back(kUndrawn);
                }
                out.index.push_back(undrawn ? *black : from.index[at]);
            }
        }
        if (from.bits == 24) return out;

        const std::size_t fixed = r.colours ? (*r.colours == 0 ? 256 : *r.colours) : 0;
        if (r.colours && out.table.size() <= fixed) {
            out.table.resize(fixed, kUndrawn);
        } else {
            // Keep only the entries the region uses, in the source's order.
            std::vector<int> renumber(out.table.size(), -1);
            for (std::uint8_t i : out.index) renumber[i] = 0;
            std::vector<Rgb> kept;
            for (std::size_t i = 0; i < out.table.size(); ++i)
                if (renumber[i] == 0) {
                    renumber[i] = int(kept.size());
                    kept.push_back(out.table[i]);
                }
            for (std::uint8_t& i : out.index) i = std::uint8_t(renumber[i]);
            out.table = std::move(kept);
            if (r.colours) {
                if (out.table.size() > fixed)
                    throw fault(p, "uses " + std::to_string(out.table.size()) + " colours, more than its fixed " +
                                       std::to_string(fixed));
                out.table.resize(fixed, kUndrawn);
            }
        }
        out.clr_used = r.colours ? *r.colours : std::uint32_t(out.table.size());
        return out;
    }

    std::map<std::uint16_t, const PlacedRecipe*> by_id_;
    std::set<std::uint16_t> keep_black_;
    std::map<std::uint16_t, Bitmap> done_;
    std::set<std::uint16_t> busy_;
};

}  // namespace

std::vector<Built> build_all(const RecipeList& list) { return Builder(list).run(); }

}  // namespace vexmoor::art
