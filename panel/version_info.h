// The module's version record, read from its RT_VERSION resource: the fixed
// part, the strings of each string table and the translations.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "panel/pe_image.h"

namespace vexmoor::panel {

struct VersionInfo {
    // The fixed part, as stored (signature 0xFEEF04BD).
    std::uint32_t signature = 0;
    std::uint32_t struct_version = 0;
    std::uint32_t file_version_ms = 0, file_version_ls = 0;
    std::uint32_t product_version_ms = 0, product_version_ls = 0;
    std::uint32_t flags_mask = 0, flags = 0;
    std::uint32_t os = 0, type = 0, subtype = 0;
    std::uint32_t date_ms = 0, date_ls = 0;
    // String tables by their key ("040904b0"), each name to value.
    std::map<std::string, std::map<std::string, std::string>> strings;
    // Language and code page pairs of VarFileInfo's Translation.
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;
};

// Parses a version record; a malformed one is an Error naming what is wrong.
VersionInfo parse_version_info(std::span<const std::uint8_t> bytes, const std::string& what);

// The module's version record (identifier 1, language 1033).
VersionInfo read_version_info(const PeImage& image);

}  // namespace vexmoor::panel
