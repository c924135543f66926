// vexart --out DIR [--preview FILE.png]
// Draws every bitmap of the module from its recipe and writes them into DIR
// with the resource list bitmaps.rc; with --preview, also a contact sheet.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "build.h"
#include "contact_sheet.h"
#include "output.h"
#include "recipes.h"

namespace {

constexpr const char* kUsage = "usage: vexart --out DIR [--preview FILE.png]";

int fail(const std::string& message) {
    std::fprintf(stderr, "vexart: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> out, preview;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--out" || arg == "--preview") && i + 1 < argc) {
            (arg == "--out" ? out : preview) = argv[++i];
        } else {
            return fail("unexpected argument '" + std::string(arg) + "'\n" + kUsage);
        }
    }
    if (!out) return fail(std::string("no output directory given\n") + kUsage);

    try {
        vexmoor::art::RecipeList list;
        vexmoor::art::all_recipes(list);
        const auto bitmaps = vexmoor::art::build_all(list);
        vexmoor::art::write_bitmaps(bitmaps, *out);
        if (preview) vexmoor::art::write_contact_sheet(bitmaps, *preview);
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    return 0;
}
