#include "panel/version_info.h"

#include <cstring>

namespace vexmoor::panel {
namespace {

constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kEnglishUs = 1033;

// One node of the record: length, value length, type, UTF-16 key, value
// and children, each aligned to 32 bits.
struct Node {
    std::string key;
    std::span<const std::uint8_t> value;
    std::uint16_t value_length = 0;
    std::uint16_t type = 0;  // 1: text, 0: binary
    std::vector<Node> children;
};

class Reader {
public:
    Reader(std::span<const std::uint8_t> bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}

    Node node(std::size_t at, std::size_t end, int depth) {
        if (depth > 4) fail("nested too deep");
        if (!within(at, 6, end)) fail("node header truncated at " + std::to_string(at));
        Node n;
        const std::uint16_t length = u16(at);
        n.value_length = u16(at + 2);
        n.type = u16(at + 4);
        if (length < 6 || !within(at, length, end)) fail("node at " + std::to_string(at) + " overruns its parent");
        const std::size_t node_end = at + length;
        std::size_t p = at + 6;
        for (;; p += 2) {
            if (p + 2 > node_end) fail("key at " + std::to_string(at) + " is not terminated");
            const std::uint16_t c = u16(p);
            if (c == 0) break;
            n.key.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        p = align(p + 2);
        const std::size_t value_bytes = n.type == 1 ? n.value_length * 2u : n.value_length;
        if (!within(p, value_bytes, node_end)) fail("value of " + n.key + " overruns its node");
        n.value = bytes_.subspan(p, value_bytes);
        p = align(p + value_bytes);
        while (p < node_end) {
            n.children.push_back(node(p, node_end, depth + 1));
            p = align(p + u16(p));
        }
        return n;
    }

    [[noreturn]] void fail(const std::string& why) const { throw Error(what_ + ": version record: " + why); }

private:
    std::uint16_t u16(std::size_t at) const { return std::uint16_t(bytes_[at] | bytes_[at + 1] << 8); }
    static std::size_t align(std::size_t p) { return (p + 3) & ~std::size_t(3); }

    std::span<const std::uint8_t> bytes_;
    std::string what_;
};

std::string text(std::span<const std::uint8_t> value) {
    std::string s;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
        const std::uint16_t c = std::uint16_t(value[i] | value[i + 1] << 8);
        if (c == 0) break;
        s.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return s;
}

std::uint32_t u32(std::span<const std::uint8_t> v, std::size_t at) {
    std::uint32_t x;
    std::memcpy(&x, v.data() + at, 4);
    return x;
}

}  // namespace

VersionInfo parse_version_info(std::span<const std::uint8_t> bytes, const std::string& what) {
    Reader reader(bytes, what);
    const Node root = reader.node(0, bytes.size(), 0);
    if (root.key != "VS_VERSION_INFO") reader.fail("root key is \"" + root.key + "\"");
    if (root.value.size() != 52) reader.fail("fixed part is " + std::to_string(root.value.size()) + " bytes, not 52");
    VersionInfo info;
    std::uint32_t* fixed[] = {&info.signature,       &info.struct_version,     &info.file_version_ms,
                              &info.file_version_ls, &info.product_version_ms, &info.product_version_ls,
                              &info.flags_mask,      &info.flags,              &info.os,
                              &info.type,            &info.subtype,            &info.date_ms,
                              &info.date_ls};
    for (std::size_t i = 0; i < 13; ++i) *fixed[i] = u32(root.value, 4 * i);
    if (info.signature != 0xFEEF04BDu) reader.fail("fixed part has no signature");
    for (const Node& block : root.children) {
        if (block.key == "StringFileInfo") {
            for (const Node& table : block.children) {
                auto& strings = info.strings[table.key];
                for (const Node& s : table.children) strings[s.key] = text(s.value);
            }
        } else if (block.key == "VarFileInfo") {
            for (const Node& var : block.children) {
                if (var.key != "Translation") continue;
                for (std::size_t i = 0; i + 4 <= var.value.size(); i += 4) {
                    info.translations.push_back({std::uint16_t(var.value[i] | var.value[i + 1] << 8),
                                                 std::uint16_t(var.value[i + 2] | var.value[i + 3] << 8)});
                }
            }
        }
    }
    return info;
}

VersionInfo read_version_info(const PeImage& image) {
    auto resource = image.find_resource(kRtVersion, 1, kEnglishUs);
    if (!resource) throw Error(image.file_name() + ": no version record (identifier 1, language 1033)");
    return parse_version_info(image.view(resource->rva, resource->size, "version record"), image.file_name());
}

}  // namespace vexmoor::panel
