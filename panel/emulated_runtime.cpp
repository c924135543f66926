// Runs a 32-bit module in an x86 emulator (Unicorn), for machines that
// cannot run 32-bit Windows code themselves. The module is mapped and
// relocated as the Windows loader would; its imports from KERNEL32.dll and
// msvcrt.dll are bound to small host implementations; host functions are
// reached through stubs that trap into the emulator's host.
#include <unicorn/unicorn.h>

#include <cmath>
#include <cstring>
#include <map>
#include <sstream>

#include "panel/import_stubs.h"
#include "panel/module_runtime.h"

namespace vexmoor::panel {
namespace {

constexpr Address kStubBase = 0x00010000;  // int 0x80; ret n, 8 bytes each
constexpr std::uint32_t kStubSize = 0x10000;
constexpr Address kCodeBase = 0x00020000;  // host-written guest code
constexpr Address kGdtBase = 0x00030000;   // one data segment for FS
constexpr Address kTebBase = 0x00040000;   // the thread's information block
constexpr Address kStackBase = 0x00100000;
constexpr std::uint32_t kStackSize = 0x00100000;
constexpr Address kHeapBase = 0x01000000;  // the module's own heap
constexpr std::uint32_t kHeapSize = 0x01000000;
constexpr Address kHostBase = 0x02000000;  // memory the host allocates
constexpr std::uint32_t kHostSize = 0x01000000;
constexpr std::uint32_t kPage = 0x1000;
constexpr std::uint64_t kCallTimeoutMicroseconds = 20'000'000;

std::string hex(std::uint32_t v) {
    std::ostringstream s;
    s << "0x" << std::hex << std::uppercase << v;
    return s.str();
}

std::uint32_t page_up(std::uint32_t n) { return (n + kPage - 1) & ~(kPage - 1); }

class EmulatedRuntime final : public ModuleRuntime, private GuestMemory {
public:
    EmulatedRuntime(PeImage image, const LoadOptions& options);
    ~EmulatedRuntime() override;

    void read(Address at, void* out, std::size_t length) const override;
    void write(Address at, const void* in, std::size_t length) override;
    Address allocate(std::uint32_t size) override;
    std::uint32_t call(Address function, std::initializer_list<std::uint32_t> args) override;
    double call_double(Address function, std::initializer_list<std::uint32_t> args) override;
    Address host_function(HostFunction function, unsigned arg_count) override;

private:
    struct Stub {
        HostFunction function;
        unsigned arg_count;
        std::string name;
    };

    void check(uc_err err, const std::string& what) const;
    void map(Address at, std::uint32_t size, std::uint32_t perms, const std::string& what);
    void bind_imports();
    void set_up_thread_block();
    void run_tls_callbacks(std::uint32_t reason);
    Address add_stub(Stub stub, bool caller_cleans);
    void run(Address function, std::initializer_list<std::uint32_t> args);
    static void on_interrupt(uc_engine* uc, std::uint32_t number, void* self);
    void dispatch(std::uint32_t number);

    // GuestMemory, for the import stubs.
    void guest_read(Address at, void* out, std::size_t length) const override { read(at, out, length); }
    void guest_write(Address at, const void* in, std::size_t length) override { write(at, in, length); }
    Address guest_heap_allocate(std::uint32_t size) override;
    Address guest_image_base() const override { return base_; }

    uc_engine* uc_ = nullptr;
    uc_hook interrupt_hook_ = 0;
    std::vector<Stub> stubs_;
    Address next_code_ = kCodeBase;
    Address heap_next_ = kHeapBase;
    Address host_next_ = kHostBase;
    Address stop_address_ = 0;
    std::string pending_error_;
    bool attached_ = false;
};

void EmulatedRuntime::check(uc_err err, const std::string& what) const {
    if (err != UC_ERR_OK) throw Error(image_.file_name() + ": " + what + ": " + uc_strerror(err));
}

void EmulatedRuntime::map(Address at, std::uint32_t size, std::uint32_t perms, const std::string& what) {
    check(uc_mem_map(uc_, at, size, perms), "cannot map " + what);
}

EmulatedRuntime::EmulatedRuntime(PeImage image, const LoadOptions& options) {
    image_ = std::move(image);
    check(uc_open(UC_ARCH_X86, UC_MODE_32, &uc_), "cannot start the x86 emulator");
    const std::uint32_t size = page_up(image_.size_of_image());
    base_ = image_.image_base();
    if (options.avoid_preferred_base || base_ < 0x04000000u || base_ > 0xF0000000u - size) {
        base_ = (base_ >= 0x40000000u ? 0x10000000u : 0x50000000u);
    }
    map(base_, size, UC_PROT_ALL, "the module image");
    map(kStubBase, kStubSize, UC_PROT_ALL, "the import stubs");
    map(kCodeBase, kPage, UC_PROT_ALL, "the host code page");
    map(kStackBase, kStackSize, UC_PROT_READ | UC_PROT_WRITE, "the stack");
    map(kHeapBase, kHeapSize, UC_PROT_READ | UC_PROT_WRITE, "the module heap");
    map(kHostBase, kHostSize, UC_PROT_READ | UC_PROT_WRITE, "the host memory");
    write(base_, image_.mapped().data(), image_.mapped().size());
    stop_address_ = add_stub({[](const std::vector<std::uint32_t>&) { return 0u; }, 0, "return to host"}, true);

    // Base relocations: every 32-bit address in the image moves with it.
    const std::uint32_t delta = base_ - image_.image_base();
    if (delta != 0) {
        for (std::uint32_t rva : image_.relocations()) write_u32(base_ + rva, read_u32(base_ + rva) + delta);
    }
    check(uc_hook_add(uc_, &interrupt_hook_, UC_HOOK_INTR, reinterpret_cast<void*>(&on_interrupt), this, 1, 0),
          "cannot hook the emulator");
    // SSE on, x87 and MXCSR in their power-on state.
    std::uint32_t cr0 = 0;
    std::uint32_t cr4 = 0;
    uc_reg_read(uc_, UC_X86_REG_CR0, &cr0);
    uc_reg_read(uc_, UC_X86_REG_CR4, &cr4);
    cr0 = (cr0 & ~0x4u) | 0x2u;
    cr4 |= 0x600u;
    uc_reg_write(uc_, UC_X86_REG_CR0, &cr0);
    uc_reg_write(uc_, UC_X86_REG_CR4, &cr4);

    set_up_thread_block();
    bind_imports();
    run_tls_callbacks(1);
    if (call_entry(1) == 0) throw Error(image_.file_name() + ": the DLL entry refused the process attach");
    attached_ = true;
}

EmulatedRuntime::~EmulatedRuntime() {
    if (attached_) {
        try {
            call_entry(0);
            run_tls_callbacks(0);
        } catch (const Error&) {
            // Unloading goes on; the module is gone either way.
        }
    }
    uc_close(uc_);
}

void EmulatedRuntime::read(Address at, void* out, std::size_t length) const {
    if (length == 0) return;
    if (uc_mem_read(uc_, at, out, length) != UC_ERR_OK) {
        throw Error(image_.file_name() + ": cannot read " + std::to_string(length) + " bytes at " + hex(at));
    }
}

void EmulatedRuntime::write(Address at, const void* in, std::size_t length) {
    if (length == 0) return;
    if (uc_mem_write(uc_, at, in, length) != UC_ERR_OK) {
        throw Error(image_.file_name() + ": cannot write " + std::to_string(length) + " bytes at " + hex(at));
    }
}

Address EmulatedRuntime::allocate(std::uint32_t size) {
    const std::uint32_t rounded = (size + 7u) & ~7u;
    if (!within(host_next_ - kHostBase, rounded, kHostSize)) throw Error("host memory exhausted");
    const Address at = host_next_;
    host_next_ += rounded;
    return at;
}

Address EmulatedRuntime::guest_heap_allocate(std::uint32_t size) {
    const std::uint32_t rounded = (size + 15u) & ~15u;
    if (!within(heap_next_ - kHeapBase, rounded, kHeapSize)) return 0;
    const Address at = heap_next_;
    heap_next_ += rounded;
    return at;
}

Address EmulatedRuntime::add_stub(Stub stub, bool caller_cleans) {
    const std::uint32_t index = static_cast<std::uint32_t>(stubs_.size());
    if ((index + 1) * 8 > kStubSize) throw Error("too many host functions");
    const Address at = kStubBase + index * 8;
    const std::uint16_t pop = caller_cleans ? 0 : static_cast<std::uint16_t>(stub.arg_count * 4);
    const std::uint8_t code[8] = {0xCD, 0x80, 0xC2, std::uint8_t(pop & 0xFF), std::uint8_t(pop >> 8), 0x90, 0x90, 0x90};
    write(at, code, sizeof code);
    stubs_.push_back(std::move(stub));
    return at;
}

Address EmulatedRuntime::host_function(HostFunction function, unsigned arg_count) {
    return add_stub({std::move(function), arg_count, "host function"}, false);
}

// The C runtime finds its thread block through FS, as on Windows: a flat
// code and data segment for everything else, and one data segment based on
// the thread block, loaded into FS.
namespace {
std::uint64_t segment_descriptor(std::uint32_t base, std::uint32_t limit, std::uint8_t access, bool pages) {
    return (limit & 0xFFFFull) | (std::uint64_t(base & 0xFFFFFF) << 16) | (std::uint64_t(access) << 40) |
           (std::uint64_t((limit >> 16) & 0xF) << 48) | (std::uint64_t(pages ? 0xC : 0x4) << 52) |
           (std::uint64_t(base >> 24) << 56);
}
}  // namespace

void EmulatedRuntime::set_up_thread_block() {
    map(kGdtBase, kPage, UC_PROT_READ | UC_PROT_WRITE, "the descriptor table");
    map(kTebBase, kPage, UC_PROT_READ | UC_PROT_WRITE, "the thread block");
    const std::uint64_t gdt[4] = {
        0,
        segment_descriptor(0, 0xFFFFF, 0x9A, true),           // 0x08: flat code, ring 0
        segment_descriptor(0, 0xFFFFF, 0x92, true),           // 0x10: flat data, ring 0
        segment_descriptor(kTebBase, kPage - 1, 0x92, false), // 0x18: the thread block
    };
    write(kGdtBase, gdt, sizeof gdt);
    uc_x86_mmr gdtr{};
    gdtr.base = kGdtBase;
    gdtr.limit = sizeof gdt - 1;
    check(uc_reg_write(uc_, UC_X86_REG_GDTR, &gdtr), "cannot set the descriptor table");
    const std::uint32_t data = 0x10, thread_block = 0x18;
    for (int reg : {UC_X86_REG_SS, UC_X86_REG_DS, UC_X86_REG_ES, UC_X86_REG_GS}) {
        check(uc_reg_write(uc_, reg, &data), "cannot load a data segment");
    }
    check(uc_reg_write(uc_, UC_X86_REG_FS, &thread_block), "cannot load FS");
    // Exception list (none), stack base and limit, and the block's own address.
    const std::uint32_t head[3] = {0xFFFFFFFFu, kStackBase + kStackSize, kStackBase};
    write(kTebBase, head, sizeof head);
    write_u32(kTebBase + 0x18, kTebBase);
}

void EmulatedRuntime::bind_imports() {
    for (const PeImport& import : image_.imports()) {
        for (const PeImportedName& name : import.names) {
            ImportBinding binding = bind_import(import.dll, name.name, *this);
            Address target = 0;
            if (binding.kind == ImportBinding::kData) {
                target = binding.data;
            } else if (binding.kind == ImportBinding::kGuestCode) {
                target = next_code_;
                write(next_code_, binding.code.data(), binding.code.size());
                next_code_ += static_cast<Address>((binding.code.size() + 15) & ~std::size_t(15));
            } else {
                target = add_stub({std::move(binding.function), binding.arg_count, import.dll + "!" + name.name},
                                  binding.kind == ImportBinding::kCdecl);
            }
            write_u32(base_ + name.iat_rva, target);
        }
    }
}

void EmulatedRuntime::run_tls_callbacks(std::uint32_t reason) {
    if (image_.tls_callbacks_rva() == 0) return;
    for (Address at = base_ + image_.tls_callbacks_rva();; at += 4) {
        const Address callback = read_u32(at);
        if (callback == 0) break;
        call(callback, {base_, reason, 0});
    }
}

void EmulatedRuntime::on_interrupt(uc_engine*, std::uint32_t number, void* self) {
    static_cast<EmulatedRuntime*>(self)->dispatch(number);
}

void EmulatedRuntime::dispatch(std::uint32_t number) {
    std::uint32_t eip = 0;
    std::uint32_t esp = 0;
    uc_reg_read(uc_, UC_X86_REG_EIP, &eip);
    uc_reg_read(uc_, UC_X86_REG_ESP, &esp);
    const std::uint32_t index = (eip - 2 - kStubBase) / 8;
    if (number != 0x80 || eip < kStubBase + 2 || index >= stubs_.size() || kStubBase + index * 8 + 2 != eip) {
        pending_error_ = "module code raised interrupt " + std::to_string(number) + " at " + hex(eip);
        uc_emu_stop(uc_);
        return;
    }
    Stub& stub = stubs_[index];
    try {
        std::vector<std::uint32_t> args(stub.arg_count);
        for (unsigned i = 0; i < stub.arg_count; ++i) args[i] = read_u32(esp + 4 + 4 * i);
        std::uint32_t result = stub.function(args);
        uc_reg_write(uc_, UC_X86_REG_EAX, &result);
    } catch (const std::exception& e) {
        pending_error_ = stub.name + ": " + e.what();
        uc_emu_stop(uc_);
    }
}

void EmulatedRuntime::run(Address function, std::initializer_list<std::uint32_t> args) {
    std::uint32_t esp = kStackBase + kStackSize - 64;
    std::vector<std::uint32_t> frame(args.begin(), args.end());
    esp -= static_cast<std::uint32_t>(4 * frame.size());
    write(esp, frame.data(), 4 * frame.size());
    esp -= 4;
    write_u32(esp, stop_address_);
    // x87 empty and in its power-on state, as a fresh thread finds it.
    const std::uint32_t fpcw = 0x037F, fpsw = 0, fptag = 0xFFFF, mxcsr = 0x1F80;
    uc_reg_write(uc_, UC_X86_REG_FPCW, &fpcw);
    uc_reg_write(uc_, UC_X86_REG_FPSW, &fpsw);
    uc_reg_write(uc_, UC_X86_REG_FPTAG, &fptag);
    uc_reg_write(uc_, UC_X86_REG_MXCSR, &mxcsr);
    uc_reg_write(uc_, UC_X86_REG_ESP, &esp);
    pending_error_.clear();
    const uc_err err = uc_emu_start(uc_, function, stop_address_, kCallTimeoutMicroseconds, 0);
    std::uint32_t eip = 0;
    uc_reg_read(uc_, UC_X86_REG_EIP, &eip);
    if (!pending_error_.empty()) throw Error(image_.file_name() + ": " + pending_error_);
    if (err != UC_ERR_OK) {
        throw Error(image_.file_name() + ": module code called at " + hex(function) + " stopped at " + hex(eip) + ": " +
                    uc_strerror(err));
    }
    if (eip != stop_address_) {
        throw Error(image_.file_name() + ": module code called at " + hex(function) + " did not return (stopped at " +
                    hex(eip) + ")");
    }
}

std::uint32_t EmulatedRuntime::call(Address function, std::initializer_list<std::uint32_t> args) {
    run(function, args);
    std::uint32_t eax = 0;
    uc_reg_read(uc_, UC_X86_REG_EAX, &eax);
    return eax;
}

double EmulatedRuntime::call_double(Address function, std::initializer_list<std::uint32_t> args) {
    run(function, args);
    // The standard calling convention returns a double on top of the x87
    // stack, in the 80-bit format that a native long double shares.
    std::uint32_t fpsw = 0;
    uc_reg_read(uc_, UC_X86_REG_FPSW, &fpsw);
    const unsigned top = (fpsw >> 11) & 7;
    std::uint8_t raw[16] = {};
    uc_reg_read(uc_, UC_X86_REG_FP0 + static_cast<int>(top), raw);
    long double value;
    static_assert(sizeof(long double) >= 10);
    std::memcpy(&value, raw, 10);
    return static_cast<double>(value);
}

}  // namespace

std::unique_ptr<ModuleRuntime> load_module(const std::string& path, const LoadOptions& options) {
    return std::make_unique<EmulatedRuntime>(PeImage::read_file(path), options);
}

}  // namespace vexmoor::panel
