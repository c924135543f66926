#include "panel/pe_image.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vexmoor::panel {
namespace {

constexpr std::uint32_t kMaxImageSize = 64u << 20;
constexpr std::uintmax_t kMaxFileSize = 256u << 20;
constexpr std::uint16_t kMachineI386 = 0x14C;
constexpr std::uint16_t kOptionalMagicPe32 = 0x10B;
constexpr std::uint32_t kMaxNameLength = 4096;

enum Directory { kExport = 0, kImport = 1, kResource = 2, kBaseReloc = 5, kTls = 9 };

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

std::string hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", v);
    return text;
}

}  // namespace

void PeImage::fail(const std::string& what) const { throw Error(file_name_ + ": " + what); }

PeImage PeImage::read_file(const std::string& path) {
    // Only a regular file of plausible size is read: a device or pipe might
    // never end.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) throw Error(path + ": a directory, not a module file");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw Error(path + ": not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(path + ": cannot open the file");
    if (const std::uintmax_t size = std::filesystem::file_size(path, ec); !ec && size > kMaxFileSize) {
        throw Error(path + ": " + std::to_string(size) + " bytes, larger than any module");
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception& e) {
        throw Error(path + ": cannot read the file (" + e.what() + ")");
    }
    if (in.bad()) throw Error(path + ": cannot read the file");
    return parse(std::move(bytes), path);
}

PeImage PeImage::parse(std::vector<std::uint8_t> bytes, std::string file_name) {
    PeImage image;
    image.file_name_ = std::move(file_name);
    image.parse_headers(bytes);
    image.map_sections(bytes);
    image.parse_exports(image.directories_[kExport][0], image.directories_[kExport][1]);
    image.parse_imports(image.directories_[kImport][0], image.directories_[kImport][1]);
    image.parse_relocations(image.directories_[kBaseReloc][0], image.directories_[kBaseReloc][1]);
    image.parse_resources(image.directories_[kResource][0], image.directories_[kResource][1]);
    image.parse_tls(image.directories_[kTls][0], image.directories_[kTls][1]);
    return image;
}

void PeImage::parse_headers(const std::vector<std::uint8_t>& bytes) {
    const std::size_t size = bytes.size();
    if (size < 64 || bytes[0] != 'M' || bytes[1] != 'Z') fail("not a Windows module (no MZ header)");
    const std::uint32_t pe = le32(&bytes[0x3C]);
    if (!within(pe, 24, size) || std::memcmp(&bytes[pe], "PE\0\0", 4) != 0) fail("no PE signature");
    const std::uint8_t* coff = &bytes[pe + 4];
    if (le16(coff) != kMachineI386) fail("not a 32-bit x86 module (machine " + hex(le16(coff)) + ")");
    const std::uint16_t section_count = le16(coff + 2);
    timestamp_ = le32(coff + 4);
    const std::uint16_t optional_size = le16(coff + 16);
    characteristics_ = le16(coff + 18);
    const std::uint32_t optional = pe + 24;
    if (optional_size < 96 || !within(optional, optional_size, size)) fail("optional header truncated");
    const std::uint8_t* opt = &bytes[optional];
    if (le16(opt) != kOptionalMagicPe32) fail("not a PE32 optional header (magic " + hex(le16(opt)) + ")");
    entry_rva_ = le32(opt + 16);
    image_base_ = le32(opt + 28);
    size_of_image_ = le32(opt + 56);
    size_of_headers_ = le32(opt + 60);
    dll_characteristics_ = le16(opt + 70);
    const std::uint32_t directory_count = std::min<std::uint32_t>(le32(opt + 92), 16);
    if (96 + directory_count * 8 > optional_size) fail("data directories truncated");
    for (std::uint32_t i = 0; i < directory_count; ++i) {
        directories_[i][0] = le32(opt + 96 + i * 8);
        directories_[i][1] = le32(opt + 100 + i * 8);
    }
    if (size_of_image_ == 0 || size_of_image_ > kMaxImageSize) fail("implausible image size " + hex(size_of_image_));
    if (size_of_headers_ > size_of_image_ || size_of_headers_ > size) fail("headers larger than the image");
    if (section_count == 0 || section_count > 96) fail("implausible section count " + std::to_string(section_count));
    const std::uint32_t table = optional + optional_size;
    if (!within(table, section_count * 40u, size)) fail("section table truncated");
    for (std::uint16_t i = 0; i < section_count; ++i) {
        const std::uint8_t* s = &bytes[table + i * 40u];
        PeSection section;
        section.name.assign(reinterpret_cast<const char*>(s), strnlen(reinterpret_cast<const char*>(s), 8));
        section.virtual_size = le32(s + 8);
        section.virtual_address = le32(s + 12);
        section.raw_size = le32(s + 16);
        section.raw_offset = le32(s + 20);
        section.characteristics = le32(s + 36);
        const std::uint32_t extent = std::max(section.virtual_size, section.raw_size);
        if (!within(section.virtual_address, extent, size_of_image_)) {
            fail("section " + section.name + " lies outside the image");
        }
        if (!within(section.raw_offset, section.raw_size, size)) fail("section " + section.name + " lies outside the file");
        sections_.push_back(section);
    }
    if (entry_rva_ >= size_of_image_) fail("entry point outside the image");
}

void PeImage::map_sections(const std::vector<std::uint8_t>& bytes) {
    mapped_.assign(size_of_image_, 0);
    std::copy_n(bytes.begin(), size_of_headers_, mapped_.begin());
    for (const PeSection& s : sections_) {
        const std::uint32_t n = s.virtual_size ? std::min(s.raw_size, s.virtual_size) : s.raw_size;
        std::copy_n(bytes.begin() + s.raw_offset, n, mapped_.begin() + s.virtual_address);
    }
}

std::span<const std::uint8_t> PeImage::view(std::uint32_t rva, std::uint32_t length, const std::string& what) const {
    if (!within(rva, length, mapped_.size())) fail(what + " at " + hex(rva) + " lies outside the image");
    return {mapped_.data() + rva, length};
}

std::uint32_t PeImage::u32(std::uint32_t rva, const std::string& what) const { return le32(view(rva, 4, what).data()); }
std::uint16_t PeImage::u16(std::uint32_t rva, const std::string& what) const { return le16(view(rva, 2, what).data()); }

std::string PeImage::string_at(std::uint32_t rva, const std::string& what) const {
    std::string s;
    for (std::uint32_t i = 0;; ++i) {
        if (i == kMaxNameLength) fail(what + " at " + hex(rva) + " is not NUL-terminated");
        const char c = static_cast<char>(view(rva + i, 1, what)[0]);
        if (rva + i < rva) fail(what + " runs past the end of the address space");
        if (c == '\0') return s;
        s.push_back(c);
    }
}

const PeSection* PeImage::section_at(std::uint32_t rva) const {
    for (const PeSection& s : sections_) {
        if (rva >= s.virtual_address && rva - s.virtual_address < std::max(s.virtual_size, s.raw_size)) return &s;
    }
    return nullptr;
}

void PeImage::parse_exports(std::uint32_t rva, std::uint32_t size) {
    if (rva == 0 || size == 0) return;
    view(rva, 40, "export directory");
    export_dll_name_ = string_at(u32(rva + 12, "export directory"), "export module name");
    const std::uint32_t base = u32(rva + 16, "export directory");
    const std::uint32_t function_count = u32(rva + 20, "export directory");
    const std::uint32_t name_count = u32(rva + 24, "export directory");
    const std::uint32_t functions = u32(rva + 28, "export directory");
    const std::uint32_t names = u32(rva + 32, "export directory");
    const std::uint32_t ordinals = u32(rva + 36, "export directory");
    if (function_count > 65536 || name_count > function_count) fail("implausible export counts");
    view(functions, function_count * 4, "export address table");
    view(names, name_count * 4, "export name table");
    view(ordinals, name_count * 2, "export ordinal table");
    for (std::uint32_t i = 0; i < function_count; ++i) {
        const std::uint32_t target = u32(functions + i * 4, "export address table");
        if (target == 0) continue;
        exports_.push_back({"", base + i, target});
    }
    for (std::uint32_t i = 0; i < name_count; ++i) {
        const std::uint16_t index = u16(ordinals + i * 2, "export ordinal table");
        if (index >= function_count) fail("export name " + std::to_string(i) + " has no function");
        const std::string name = string_at(u32(names + i * 4, "export name table"), "export name");
        for (PeExport& e : exports_) {
            if (e.ordinal == base + index) e.name = name;
        }
    }
}

void PeImage::parse_imports(std::uint32_t rva, std::uint32_t size) {
    if (rva == 0 || size == 0) return;
    for (std::uint32_t d = rva;; d += 20) {
        view(d, 20, "import descriptor");
        const std::uint32_t lookup = u32(d, "import descriptor");
        const std::uint32_t name = u32(d + 12, "import descriptor");
        const std::uint32_t iat = u32(d + 16, "import descriptor");
        if (name == 0 && iat == 0 && lookup == 0) break;
        if (imports_.size() == 256) fail("import directory has no end");
        PeImport import{string_at(name, "import module name"), {}};
        const std::uint32_t thunks = lookup != 0 ? lookup : iat;
        for (std::uint32_t i = 0;; ++i) {
            if (i == 65536) fail("import list of " + import.dll + " has no end");
            const std::uint32_t entry = u32(thunks + i * 4, "import lookup table");
            if (entry == 0) break;
            PeImportedName imported;
            imported.iat_rva = iat + i * 4;
            view(imported.iat_rva, 4, "import address table");
            if (entry & 0x80000000u) {
                imported.ordinal = entry & 0xFFFF;
            } else {
                imported.name = string_at(entry + 2, "imported name");
            }
            import.names.push_back(imported);
        }
        imports_.push_back(std::move(import));
    }
}

void PeImage::parse_relocations(std::uint32_t rva, std::uint32_t size) {
    if (rva == 0 || size == 0) return;
    view(rva, size, "base relocation table");
    for (std::uint32_t at = rva; at + 8 <= rva + size;) {
        const std::uint32_t page = u32(at, "relocation block");
        const std::uint32_t block = u32(at + 4, "relocation block");
        if (block < 8 || block > rva + size - at) fail("relocation block at " + hex(at) + " has a bad size");
        for (std::uint32_t e = at + 8; e + 2 <= at + block; e += 2) {
            const std::uint16_t entry = u16(e, "relocation entry");
            const unsigned type = entry >> 12;
            if (type == 0) continue;  // padding
            if (type != 3) fail("relocation of unsupported type " + std::to_string(type));
            const std::uint32_t target = page + (entry & 0xFFF);
            view(target, 4, "relocated word");
            relocations_.push_back(target);
        }
        at += block;
    }
}

void PeImage::parse_resources(std::uint32_t rva, std::uint32_t size) {
    if (rva == 0 || size == 0) return;
    view(rva, size, "resource directory");
    // Three levels: type, identifier, language; each entry's offset is
    // relative to the start of the resource directory.
    auto entries = [&](std::uint32_t dir, auto&& each) {
        view(dir, 16, "resource table");
        const std::uint32_t count = u16(dir + 12, "resource table") + u16(dir + 14, "resource table");
        if (count > 4096) fail("resource table at " + hex(dir) + " is implausibly long");
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t e = dir + 16 + i * 8;
            const std::uint32_t name = u32(e, "resource entry");
            const std::uint32_t target = u32(e + 4, "resource entry");
            if ((target & 0x7FFFFFFF) >= size) fail("resource entry at " + hex(e) + " points outside the directory");
            each(name, target);
        }
    };
    auto subdirectory = [&](std::uint32_t target, const char* level) {
        if (!(target & 0x80000000u)) fail(std::string("resource ") + level + " entry is not a table");
        return rva + (target & 0x7FFFFFFF);
    };
    entries(rva, [&](std::uint32_t type, std::uint32_t t1) {
        if (type & 0x80000000u) return;  // named types: not ours
        entries(subdirectory(t1, "type"), [&](std::uint32_t id, std::uint32_t t2) {
            if (id & 0x80000000u) return;  // named resources: not ours
            entries(subdirectory(t2, "identifier"), [&](std::uint32_t language, std::uint32_t t3) {
                if (t3 & 0x80000000u) fail("resource language entry is not data");
                const std::uint32_t data = rva + t3;
                PeResource r{type, id, language, u32(data, "resource data entry"), u32(data + 4, "resource data entry")};
                view(r.rva, r.size, "resource " + hex(id));
                resources_.push_back(r);
            });
        });
    });
}

void PeImage::parse_tls(std::uint32_t rva, std::uint32_t size) {
    if (rva == 0 || size == 0) return;
    const std::uint32_t callbacks_va = u32(rva + 12, "TLS directory");
    if (callbacks_va == 0) return;
    if (callbacks_va < image_base_) fail("TLS callbacks lie outside the image");
    tls_callbacks_rva_ = callbacks_va - image_base_;
    view(tls_callbacks_rva_, 4, "TLS callbacks");
}

std::optional<PeExport> PeImage::find_export(const std::string& name) const {
    for (const PeExport& e : exports_) {
        if (e.name == name) return e;
    }
    return std::nullopt;
}

std::optional<PeExport> PeImage::find_export(std::uint32_t ordinal) const {
    for (const PeExport& e : exports_) {
        if (e.ordinal == ordinal) return e;
    }
    return std::nullopt;
}

std::optional<PeResource> PeImage::find_resource(std::uint32_t type, std::uint32_t id, std::uint32_t language) const {
    for (const PeResource& r : resources_) {
        if (r.type == type && r.id == id && r.language == language) return r;
    }
    return std::nullopt;
}

}  // namespace vexmoor::panel
