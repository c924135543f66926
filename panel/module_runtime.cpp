#include "panel/module_runtime.h"

#include <cstring>

namespace vexmoor::panel {

Address ModuleRuntime::export_address(const std::string& name) const {
    auto e = image_.find_export(name);
    return e ? base_ + e->rva : 0;
}

Address ModuleRuntime::export_address(std::uint32_t ordinal) const {
    auto e = image_.find_export(ordinal);
    return e ? base_ + e->rva : 0;
}

std::uint32_t ModuleRuntime::read_u32(Address at) const {
    std::uint32_t v;
    read(at, &v, sizeof v);
    return v;
}

std::uint16_t ModuleRuntime::read_u16(Address at) const {
    std::uint16_t v;
    read(at, &v, sizeof v);
    return v;
}

double ModuleRuntime::read_f64(Address at) const {
    double v;
    read(at, &v, sizeof v);
    return v;
}

float ModuleRuntime::read_f32(Address at) const {
    float v;
    read(at, &v, sizeof v);
    return v;
}

std::string ModuleRuntime::read_string(Address at, std::size_t max_length, const std::string& what) const {
    std::string s;
    for (std::size_t i = 0; i <= max_length; ++i) {
        char c;
        read(at + static_cast<Address>(i), &c, 1);
        if (c == '\0') return s;
        s.push_back(c);
    }
    throw Error(what + " is not NUL-terminated within " + std::to_string(max_length) + " characters");
}

std::uint32_t ModuleRuntime::call_entry(std::uint32_t reason) {
    return call(base_ + image_.entry_rva(), {base_, reason, 0});
}

}  // namespace vexmoor::panel
