// Runs a module in this 32-bit Windows process, loaded by the system loader:
// addresses are this process's pointers, calls go straight to the module's
// code, and host functions are reached through small generated thunks.
#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "panel/module_runtime.h"

static_assert(sizeof(void*) == 4, "modules are loaded into a 32-bit process");

namespace vexmoor::panel {
namespace {

struct Thunk {
    ModuleRuntime::HostFunction function;
    unsigned arg_count;
    std::string* pending_error;
};

// Called by a thunk with the thunk's record and the caller's stack: the
// return address, then the arguments.
extern "C" std::uint32_t __cdecl vexmoor_dispatch_thunk(Thunk* thunk, const std::uint32_t* frame) {
    try {
        std::vector<std::uint32_t> args(frame + 1, frame + 1 + thunk->arg_count);
        return thunk->function(args);
    } catch (const std::exception& e) {
        // Never unwind through the module's frames: report after it returns.
        if (thunk->pending_error->empty()) *thunk->pending_error = e.what();
        return 0;
    }
}

class Win32Runtime final : public ModuleRuntime {
public:
    Win32Runtime(PeImage image, const LoadOptions& options);
    ~Win32Runtime() override;

    void read(Address at, void* out, std::size_t length) const override;
    void write(Address at, const void* in, std::size_t length) override;
    Address allocate(std::uint32_t size) override;
    std::uint32_t call(Address function, std::initializer_list<std::uint32_t> args) override;
    double call_double(Address function, std::initializer_list<std::uint32_t> args) override;
    Address host_function(HostFunction function, unsigned arg_count) override;

private:
    bool accessible(Address at, std::size_t length, bool for_write) const;
    void raise_pending();

    HMODULE module_ = nullptr;
    std::vector<std::unique_ptr<std::uint64_t[]>> blocks_;
    std::vector<std::unique_ptr<Thunk>> thunks_;
    std::uint8_t* thunk_page_ = nullptr;
    std::size_t thunk_used_ = 0;
    std::string pending_error_;
};

constexpr std::size_t kThunkSize = 32;
constexpr std::size_t kThunkPage = 64 * 1024;

Win32Runtime::Win32Runtime(PeImage image, const LoadOptions& options) {
    image_ = std::move(image);
    void* blocker = nullptr;
    if (options.avoid_preferred_base) {
        blocker = VirtualAlloc(reinterpret_cast<void*>(image_.image_base()), image_.size_of_image(), MEM_RESERVE,
                               PAGE_NOACCESS);
    }
    module_ = LoadLibraryA(image_.file_name().c_str());
    if (blocker != nullptr) VirtualFree(blocker, 0, MEM_RELEASE);
    if (module_ == nullptr) {
        throw Error(image_.file_name() + ": the system loader refused the module (error " +
                    std::to_string(GetLastError()) + ")");
    }
    base_ = reinterpret_cast<Address>(module_);
    thunk_page_ = static_cast<std::uint8_t*>(
        VirtualAlloc(nullptr, kThunkPage, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    if (thunk_page_ == nullptr) throw Error("cannot allocate memory for host functions");
}

Win32Runtime::~Win32Runtime() {
    FreeLibrary(module_);
    VirtualFree(thunk_page_, 0, MEM_RELEASE);
}

bool Win32Runtime::accessible(Address at, std::size_t length, bool for_write) const {
    for (Address p = at; length > 0;) {
        MEMORY_BASIC_INFORMATION info;
        if (VirtualQuery(reinterpret_cast<void*>(p), &info, sizeof info) == 0) return false;
        const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        const DWORD writable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if (info.State != MEM_COMMIT || (info.Protect & PAGE_GUARD) ||
            !(info.Protect & (for_write ? writable : readable))) {
            return false;
        }
        const Address region_end = reinterpret_cast<Address>(info.BaseAddress) + info.RegionSize;
        const std::size_t here = std::min<std::size_t>(length, region_end - p);
        length -= here;
        p += static_cast<Address>(here);
    }
    return true;
}

void Win32Runtime::read(Address at, void* out, std::size_t length) const {
    if (length == 0) return;
    if (!accessible(at, length, false)) {
        throw Error(image_.file_name() + ": cannot read " + std::to_string(length) + " bytes at " + std::to_string(at));
    }
    std::memcpy(out, reinterpret_cast<const void*>(at), length);
}

void Win32Runtime::write(Address at, const void* in, std::size_t length) {
    if (length == 0) return;
    if (!accessible(at, length, true)) {
        throw Error(image_.file_name() + ": cannot write " + std::to_string(length) + " bytes at " +
                    std::to_string(at));
    }
    std::memcpy(reinterpret_cast<void*>(at), in, length);
}

Address Win32Runtime::allocate(std::uint32_t size) {
    blocks_.push_back(std::make_unique<std::uint64_t[]>((size + 7) / 8));
    return reinterpret_cast<Address>(blocks_.back().get());
}

void Win32Runtime::raise_pending() {
    if (pending_error_.empty()) return;
    std::string error = image_.file_name() + ": " + pending_error_;
    pending_error_.clear();
    throw Error(error);
}

template <typename R>
R call_with(Address function, std::initializer_list<std::uint32_t> args) {
    const std::uint32_t* a = args.begin();
    switch (args.size()) {
        case 0: return reinterpret_cast<R(__stdcall*)()>(function)();
        case 1: return reinterpret_cast<R(__stdcall*)(std::uint32_t)>(function)(a[0]);
        case 2: return reinterpret_cast<R(__stdcall*)(std::uint32_t, std::uint32_t)>(function)(a[0], a[1]);
        case 3:
            return reinterpret_cast<R(__stdcall*)(std::uint32_t, std::uint32_t, std::uint32_t)>(function)(a[0], a[1],
                                                                                                         a[2]);
        case 4:
            return reinterpret_cast<R(__stdcall*)(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t)>(
                function)(a[0], a[1], a[2], a[3]);
        default: throw Error("calls into a module take at most four arguments");
    }
}

std::uint32_t Win32Runtime::call(Address function, std::initializer_list<std::uint32_t> args) {
    const std::uint32_t result = call_with<std::uint32_t>(function, args);
    raise_pending();
    return result;
}

double Win32Runtime::call_double(Address function, std::initializer_list<std::uint32_t> args) {
    const double result = call_with<double>(function, args);
    raise_pending();
    return result;
}

Address Win32Runtime::host_function(HostFunction function, unsigned arg_count) {
    if (thunk_used_ + kThunkSize > kThunkPage) throw Error("too many host functions");
    thunks_.push_back(std::make_unique<Thunk>(Thunk{std::move(function), arg_count, &pending_error_}));
    const auto context = reinterpret_cast<std::uint32_t>(thunks_.back().get());
    const auto dispatch = reinterpret_cast<std::uint32_t>(&vexmoor_dispatch_thunk);
    const std::uint16_t pop = static_cast<std::uint16_t>(arg_count * 4);
    std::uint8_t* code = thunk_page_ + thunk_used_;
    std::uint8_t bytes[kThunkSize] = {
        0xB8, 0, 0, 0, 0,        // mov eax, context
        0x89, 0xE1,              // mov ecx, esp
        0x51,                    // push ecx
        0x50,                    // push eax
        0xB8, 0, 0, 0, 0,        // mov eax, dispatch
        0xFF, 0xD0,              // call eax
        0x83, 0xC4, 0x08,        // add esp, 8
        0xC2, 0, 0,              // ret pop
    };
    std::memcpy(bytes + 1, &context, 4);
    std::memcpy(bytes + 10, &dispatch, 4);
    std::memcpy(bytes + 20, &pop, 2);
    std::memcpy(code, bytes, sizeof bytes);
    FlushInstructionCache(GetCurrentProcess(), code, kThunkSize);
    thunk_used_ += kThunkSize;
    return reinterpret_cast<Address>(code);
}

}  // namespace

std::unique_ptr<ModuleRuntime> load_module(const std::string& path, const LoadOptions& options) {
    auto runtime = std::make_unique<Win32Runtime>(PeImage::read_file(path), options);
    return runtime;
}

}  // namespace vexmoor::panel
