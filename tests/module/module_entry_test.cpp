// The DLL entry reports success for every reason code, called as the loader
// calls it, in a balanced order so that the loader's own calls still match.
#include <gtest/gtest.h>

#include "loaded_module.h"

namespace vexmoor::test {
namespace {

TEST(ModuleEntry, ReturnsOneForEveryReason) {
    LoadedModule module;
    const std::uint32_t process_attach = 1, thread_attach = 2, thread_detach = 3, process_detach = 0;
    for (std::uint32_t reason : {process_attach, thread_attach, thread_detach, process_detach}) {
        EXPECT_EQ(module.rt().call_entry(reason), 1u) << "reason " << reason;
    }
}

TEST(ModuleEntry, HooksAreSetAndDoNothing) {
    LoadedModule module;
    const Address load = module.u32(module.linkage() + L::linkage::kLoadHook);
    const Address unload = module.u32(module.linkage() + L::linkage::kUnloadHook);
    ASSERT_NE(load, 0u);
    ASSERT_NE(unload, 0u);
    auto snapshot = [&] {
        std::vector<std::uint8_t> bytes(module.rt().image_size());
        module.rt().read(module.rt().base(), bytes.data(), bytes.size());
        return bytes;
    };
    const std::vector<std::uint8_t> before = snapshot();
    module.rt().call(load, {});
    module.rt().call(unload, {});
    EXPECT_TRUE(snapshot() == before) << "a hook changed the module's image";
    EXPECT_EQ(module.u32(module.import_table() + L::import_table::kServices), 0u);
}

}  // namespace
}  // namespace vexmoor::test
