// The seven shared gauge routines, through a services table that records
// every call: each hands gauge 0's background, and any argument, to its
// service and returns the service's result unchanged, whichever header the
// host called it through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaded_module.h"

namespace vexmoor::test {
namespace {

struct Call {
    std::string service;
    std::vector<std::uint32_t> args;
};

struct Routine {
    const char* name;
    std::uint32_t header_offset;
    std::uint32_t service_offset;
    bool takes_value;
    std::uint32_t result;
};

const Routine kRoutines[] = {
    {"query", L::gauge::kQuery, L::services::kQueryElements, false, 0xC0DE0001},
    {"install", L::gauge::kInstall, L::services::kInstallElements, true, 0xC0DE0002},
    {"initialize", L::gauge::kInitialize, L::services::kInitializeElements, false, 0xC0DE0003},
    {"update", L::gauge::kUpdate, L::services::kUpdateElements, false, 0xC0DE0004},
    {"generate", L::gauge::kGenerate, L::services::kGenerateElements, true, 0xFFFFFFFF},
    {"draw", L::gauge::kDraw, L::services::kDrawElements, false, 0},
    {"kill", L::gauge::kKill, L::services::kKillElements, false, 0x80000000},
};

TEST(ModuleRoutines, ForwardToTheirServicesWithGaugeZerosBackground) {
    LoadedModule module;
    panel::ModuleRuntime& rt = module.rt();
    std::vector<Call> calls;
    const Address services = rt.allocate(L::services::kSize);
    for (const Routine& r : kRoutines) {
        const unsigned arg_count = r.takes_value ? 2 : 1;
        rt.write_u32(services + r.service_offset,
                     rt.host_function(
                         [&calls, r](const std::vector<std::uint32_t>& args) {
                             calls.push_back({r.name, args});
                             return r.result;
                         },
                         arg_count));
    }
    rt.write_u32(module.import_table() + L::import_table::kServices, services);

    const std::vector<Address> gauges = module.gauges();
    ASSERT_GE(gauges.size(), 2u);
    const Address background = module.chain(gauges[0]).at(0);
    for (Address header : {gauges.front(), gauges.back()}) {
        SCOPED_TRACE(module.gauge_name(header));
        for (const Routine& r : kRoutines) {
            SCOPED_TRACE(r.name);
            calls.clear();
            const Address routine = module.u32(header + r.header_offset);
            const std::uint32_t value = 0x12345678u ^ r.result;
            const std::uint32_t result = r.takes_value ? rt.call(routine, {value}) : rt.call(routine, {});
            EXPECT_EQ(result, r.result);
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].service, r.name);
            std::vector<std::uint32_t> expected = {background};
            if (r.takes_value) expected.push_back(value);
            EXPECT_EQ(calls[0].args, expected);
        }
    }
}

TEST(ModuleRoutines, EveryHeaderPointsToTheSameSevenRoutines) {
    LoadedModule module;
    const Address first = module.gauges().at(0);
    for (Address header : module.gauges()) {
        SCOPED_TRACE(module.gauge_name(header));
        for (const Routine& r : kRoutines) {
            EXPECT_EQ(module.u32(header + r.header_offset), module.u32(first + r.header_offset)) << r.name;
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
