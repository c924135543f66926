// Host implementations of what a module imports from KERNEL32.dll and
// msvcrt.dll, for the emulated runtime: just enough of the C runtime's
// start-up and shut-down, with no effect outside the module's own memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panel/module_runtime.h"

namespace vexmoor::panel {

// The module's address space as the stubs see it.
class GuestMemory {
public:
    virtual ~GuestMemory() = default;
    virtual void guest_read(Address at, void* out, std::size_t length) const = 0;
    virtual void guest_write(Address at, const void* in, std::size_t length) = 0;
    // Memory from the module's own heap, 16-byte aligned; 0 when exhausted.
    virtual Address guest_heap_allocate(std::uint32_t size) = 0;
    virtual Address guest_image_base() const = 0;
};

struct ImportBinding {
    enum Kind { kStdcall, kCdecl, kGuestCode, kData };
    Kind kind = kStdcall;
    ModuleRuntime::HostFunction function;  // kStdcall, kCdecl
    unsigned arg_count = 0;
    std::vector<std::uint8_t> code;  // kGuestCode: position-independent x86
    Address data = 0;                // kData
};

// What an imported name is bound to. A name without a host implementation
// is bound to a function that fails, naming it, when the module calls it.
ImportBinding bind_import(const std::string& dll, const std::string& name, GuestMemory& memory);

}  // namespace vexmoor::panel
