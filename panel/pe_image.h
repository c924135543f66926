// A 32-bit Windows module file, read and checked without running it: its
// headers, sections, exports, imports, base relocations and resources. Every
// offset is checked against the bytes it points into; a malformed file gives
// an Error that names the file and what is wrong.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "panel/error.h"

namespace vexmoor::panel {

struct PeSection {
    std::string name;
    std::uint32_t virtual_address = 0;
    std::uint32_t virtual_size = 0;
    std::uint32_t raw_offset = 0;
    std::uint32_t raw_size = 0;
    std::uint32_t characteristics = 0;
};

struct PeExport {
    std::string name;  // empty for an export by ordinal only
    std::uint32_t ordinal = 0;
    std::uint32_t rva = 0;
};

struct PeImportedName {
    std::string name;           // empty when imported by ordinal
    std::uint32_t ordinal = 0;  // when imported by ordinal
    std::uint32_t iat_rva = 0;  // where the loader writes the address
};

struct PeImport {
    std::string dll;
    std::vector<PeImportedName> names;
};

struct PeResource {
    std::uint32_t type = 0;
    std::uint32_t id = 0;
    std::uint32_t language = 0;
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

class PeImage {
public:
    // Reads and checks a module file.
    static PeImage read_file(const std::string& path);
    static PeImage parse(std::vector<std::uint8_t> bytes, std::string file_name);

    const std::string& file_name() const { return file_name_; }
    std::uint32_t image_base() const { return image_base_; }
    std::uint32_t size_of_image() const { return size_of_image_; }
    std::uint32_t entry_rva() const { return entry_rva_; }
    std::uint16_t characteristics() const { return characteristics_; }
    std::uint16_t dll_characteristics() const { return dll_characteristics_; }
    std::uint32_t timestamp() const { return timestamp_; }

    const std::vector<PeSection>& sections() const { return sections_; }
    const std::string& export_dll_name() const { return export_dll_name_; }
    const std::vector<PeExport>& exports() const { return exports_; }
    const std::vector<PeImport>& imports() const { return imports_; }
    // Offsets of the 32-bit words that a load at another base must adjust.
    const std::vector<std::uint32_t>& relocations() const { return relocations_; }
    const std::vector<PeResource>& resources() const { return resources_; }
    // Offsets of the TLS callback array's entries, read from the image.
    std::uint32_t tls_callbacks_rva() const { return tls_callbacks_rva_; }

    std::optional<PeExport> find_export(const std::string& name) const;
    std::optional<PeExport> find_export(std::uint32_t ordinal) const;
    std::optional<PeResource> find_resource(std::uint32_t type, std::uint32_t id, std::uint32_t language) const;

    // The image as the loader lays it out at its preferred base: headers and
    // sections at their offsets, everything else zero.
    const std::vector<std::uint8_t>& mapped() const { return mapped_; }
    // A span of the mapped image, or an error naming what was asked for.
    std::span<const std::uint8_t> view(std::uint32_t rva, std::uint32_t length, const std::string& what) const;
    // The section that holds an offset, if any.
    const PeSection* section_at(std::uint32_t rva) const;

private:
    void parse_headers(const std::vector<std::uint8_t>& bytes);
    void map_sections(const std::vector<std::uint8_t>& bytes);
    void parse_exports(std::uint32_t rva, std::uint32_t size);
    void parse_imports(std::uint32_t rva, std::uint32_t size);
    void parse_relocations(std::uint32_t rva, std::uint32_t size);
    void parse_resources(std::uint32_t rva, std::uint32_t size);
    void parse_tls(std::uint32_t rva, std::uint32_t size);
    std::string string_at(std::uint32_t rva, const std::string& what) const;
    std::uint32_t u32(std::uint32_t rva, const std::string& what) const;
    std::uint16_t u16(std::uint32_t rva, const std::string& what) const;
    [[noreturn]] void fail(const std::string& what) const;

    std::string file_name_;
    std::uint32_t image_base_ = 0;
    std::uint32_t size_of_image_ = 0;
    std::uint32_t size_of_headers_ = 0;
    std::uint32_t entry_rva_ = 0;
    std::uint16_t characteristics_ = 0;
    std::uint16_t dll_characteristics_ = 0;
    std::uint32_t timestamp_ = 0;
    std::uint32_t directories_[16][2] = {};
    std::uint32_t tls_callbacks_rva_ = 0;
    std::vector<PeSection> sections_;
    std::string export_dll_name_;
    std::vector<PeExport> exports_;
    std::vector<PeImport> imports_;
    std::vector<std::uint32_t> relocations_;
    std::vector<PeResource> resources_;
    std::vector<std::uint8_t> mapped_;
};

// Bounds check that cannot overflow: [offset, offset + length) within size.
constexpr bool within(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

}  // namespace vexmoor::panel
