#include "panel/import_stubs.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <map>

namespace vexmoor::panel {
namespace {

using Args = std::vector<std::uint32_t>;

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

ImportBinding stdcall(unsigned args, ModuleRuntime::HostFunction f) {
    return {ImportBinding::kStdcall, std::move(f), args, {}, 0};
}

ImportBinding cdecl_(unsigned args, ModuleRuntime::HostFunction f) {
    return {ImportBinding::kCdecl, std::move(f), args, {}, 0};
}

ImportBinding returns(unsigned args, std::uint32_t value, bool cdecl = false) {
    auto f = [value](const Args&) { return value; };
    return cdecl ? cdecl_(args, f) : stdcall(args, f);
}

// _initterm(begin, end): calls each non-null function pointer in
// [begin, end), in guest code, since the calls go back into the module.
const std::vector<std::uint8_t> kInitterm = {
    0x56,                    // push esi
    0x57,                    // push edi
    0x8B, 0x74, 0x24, 0x0C,  // mov esi, [esp+12]
    0x8B, 0x7C, 0x24, 0x10,  // mov edi, [esp+16]
    0x39, 0xFE,              // loop: cmp esi, edi
    0x73, 0x0D,              // jae done
    0x8B, 0x06,              // mov eax, [esi]
    0x85, 0xC0,              // test eax, eax
    0x74, 0x02,              // jz next
    0xFF, 0xD0,              // call eax
    0x83, 0xC6, 0x04,        // next: add esi, 4
    0xEB, 0xEF,              // jmp loop
    0x5F,                    // done: pop edi
    0x5E,                    // pop esi
    0xC3,                    // ret
};

std::uint32_t guest_strlen(GuestMemory& m, Address s) {
    for (std::uint32_t n = 0;; ++n) {
        char c;
        m.guest_read(s + n, &c, 1);
        if (c == '\0') return n;
    }
}

ImportBinding kernel32(const std::string& name, GuestMemory& m) {
    static const std::map<std::string, std::pair<unsigned, std::uint32_t>> trivial = {
        {"DeleteCriticalSection", {1, 0}}, {"EnterCriticalSection", {1, 0}}, {"LeaveCriticalSection", {1, 0}},
        {"InitializeCriticalSection", {1, 0}}, {"FreeLibrary", {1, 1}}, {"GetLastError", {0, 0}},
        {"SetLastError", {1, 0}}, {"GetProcAddress", {2, 0}}, {"LoadLibraryA", {1, 0}}, {"Sleep", {1, 0}},
        {"TlsGetValue", {1, 0}}, {"TlsSetValue", {2, 1}}, {"TlsAlloc", {0, 0}}, {"TlsFree", {1, 1}},
        {"GetCurrentThreadId", {0, 1}}, {"GetCurrentProcessId", {0, 1}}, {"GetTickCount", {0, 0}},
        {"SetUnhandledExceptionFilter", {1, 0}},
    };
    if (auto t = trivial.find(name); t != trivial.end()) return returns(t->second.first, t->second.second);
    if (name == "GetModuleHandleA" || name == "GetModuleHandleW") {
        // Only the module itself is known here.
        return stdcall(1, [&m](const Args& a) { return a[0] == 0 ? m.guest_image_base() : 0u; });
    }
    if (name == "VirtualProtect") {
        return stdcall(4, [&m](const Args& a) {
            const std::uint32_t old = 0x40;  // read, write, execute
            if (a[3] != 0) m.guest_write(a[3], &old, 4);
            return 1u;
        });
    }
    if (name == "VirtualQuery") {
        return stdcall(3, [&m](const Args& a) {
            if (a[2] < 28) return 0u;
            const std::uint32_t info[7] = {a[0] & ~0xFFFu, m.guest_image_base(), 0x40, 0x1000, 0x1000, 0x40, 0x1000000};
            m.guest_write(a[1], info, sizeof info);
            return 28u;
        });
    }
    return {};
}

ImportBinding msvcrt(const std::string& name, GuestMemory& m) {
    if (name == "_initterm") return {ImportBinding::kGuestCode, {}, 0, kInitterm, 0};
    if (name == "_iob") {
        const Address iob = m.guest_heap_allocate(3 * 32);
        std::vector<std::uint8_t> zero(3 * 32);
        m.guest_write(iob, zero.data(), zero.size());
        return {ImportBinding::kData, {}, 0, {}, iob};
    }
    if (name == "_lock" || name == "_unlock") return returns(1, 0, true);
    if (name == "free") return returns(1, 0, true);
    if (name == "fwrite") return cdecl_(4, [](const Args& a) { return a[2]; });
    if (name == "vfprintf" || name == "fprintf" || name == "printf") return returns(2, 0, true);
    if (name == "_amsg_exit" || name == "abort" || name == "exit" || name == "_exit") {
        return cdecl_(1, [name](const Args&) -> std::uint32_t {
            throw std::runtime_error("the module's runtime gave up (" + name + ")");
        });
    }
    auto zeroed = [&m](std::uint32_t n) {
        const Address at = m.guest_heap_allocate(n == 0 ? 1 : n);
        if (at != 0) {
            std::vector<std::uint8_t> zero(n);
            m.guest_write(at, zero.data(), zero.size());
        }
        return at;
    };
    if (name == "malloc") return cdecl_(1, [zeroed](const Args& a) { return zeroed(a[0]); });
    if (name == "calloc") {
        return cdecl_(2, [zeroed](const Args& a) {
            const std::uint64_t n = std::uint64_t(a[0]) * a[1];
            return n > 0xFFFFFFu ? 0u : zeroed(static_cast<std::uint32_t>(n));
        });
    }
    if (name == "realloc") {
        // The heap never gives memory back, so the old block's size is
        // unknown: copy as much as the new size asks for, within the heap.
        return cdecl_(2, [&m, zeroed](const Args& a) {
            const Address to = zeroed(a[1]);
            if (to != 0 && a[0] != 0) {
                std::vector<std::uint8_t> bytes(std::min<std::uint32_t>(a[1], to - a[0]));
                m.guest_read(a[0], bytes.data(), bytes.size());
                m.guest_write(to, bytes.data(), bytes.size());
            }
            return to;
        });
    }
    if (name == "strlen") return cdecl_(1, [&m](const Args& a) { return guest_strlen(m, a[0]); });
    if (name == "strncmp") {
        return cdecl_(3, [&m](const Args& a) {
            for (std::uint32_t i = 0; i < a[2]; ++i) {
                unsigned char x, y;
                m.guest_read(a[0] + i, &x, 1);
                m.guest_read(a[1] + i, &y, 1);
                if (x != y) return x < y ? 0xFFFFFFFFu : 1u;
                if (x == 0) break;
            }
            return 0u;
        });
    }
    return {};
}

}  // namespace

ImportBinding bind_import(const std::string& dll, const std::string& name, GuestMemory& memory) {
    ImportBinding binding;
    const std::string module = lower(dll);
    if (module == "kernel32.dll") binding = kernel32(name, memory);
    if (module == "msvcrt.dll") binding = msvcrt(name, memory);
    if (binding.kind == ImportBinding::kStdcall && !binding.function) {
        binding = cdecl_(0, [dll, name](const Args&) -> std::uint32_t {
            throw std::runtime_error("the module called " + dll + "!" + name + ", which this host does not provide");
        });
    }
    return binding;
}

}  // namespace vexmoor::panel
