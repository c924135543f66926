// The one seam between the panel host and a running module: the module's
// 32-bit address space, calls into its code, and host functions that its
// code may call. Everything above this seam reads records by 32-bit address
// and byte offset, so it is the same whether the module runs natively on
// Windows or in the x86 emulator that runs it on other machines.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "panel/pe_image.h"

namespace vexmoor::panel {

using Address = std::uint32_t;

struct LoadOptions {
    // Load somewhere other than the module's preferred base, so that every
    // base relocation must be applied.
    bool avoid_preferred_base = false;
};

class ModuleRuntime {
public:
    virtual ~ModuleRuntime() = default;

    const PeImage& image() const { return image_; }
    Address base() const { return base_; }
    std::uint32_t image_size() const { return image_.size_of_image(); }
    // Whether [at, at + length) lies inside the loaded image.
    bool in_image(Address at, std::uint32_t length = 1) const {
        return at >= base_ && within(at - base_, length, image_size());
    }
    // The address of an export by name or ordinal, or 0.
    Address export_address(const std::string& name) const;
    Address export_address(std::uint32_t ordinal) const;

    // Memory of the module's address space; an address that is not mapped
    // is an Error.
    virtual void read(Address at, void* out, std::size_t length) const = 0;
    virtual void write(Address at, const void* in, std::size_t length) = 0;
    std::uint32_t read_u32(Address at) const;
    std::int32_t read_i32(Address at) const { return static_cast<std::int32_t>(read_u32(at)); }
    std::uint16_t read_u16(Address at) const;
    double read_f64(Address at) const;
    float read_f32(Address at) const;
    void write_u32(Address at, std::uint32_t value) { write(at, &value, sizeof value); }
    void write_f64(Address at, double value) { write(at, &value, sizeof value); }
    // A NUL-terminated string of at most max_length characters, or an Error.
    std::string read_string(Address at, std::size_t max_length, const std::string& what) const;

    // Zeroed memory for the host, 8-byte aligned, inside the module's
    // address space, alive as long as the runtime.
    virtual Address allocate(std::uint32_t size) = 0;

    // Calls into module code with the standard calling convention.
    virtual std::uint32_t call(Address function, std::initializer_list<std::uint32_t> args) = 0;
    virtual double call_double(Address function, std::initializer_list<std::uint32_t> args) = 0;

    // A host function that module code may call with the standard calling
    // convention and arg_count 32-bit arguments.
    using HostFunction = std::function<std::uint32_t(const std::vector<std::uint32_t>& args)>;
    virtual Address host_function(HostFunction function, unsigned arg_count) = 0;

    // Calls the DLL entry with a reason code, as the loader does.
    std::uint32_t call_entry(std::uint32_t reason);

protected:
    PeImage image_;
    Address base_ = 0;
};

// Loads a module file: maps it, applies its base relocations, binds its
// imports, runs its TLS callbacks and DLL entry for a process attach. The
// runtime's destructor detaches and unloads it.
std::unique_ptr<ModuleRuntime> load_module(const std::string& path, const LoadOptions& options = {});

}  // namespace vexmoor::panel
