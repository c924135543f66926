// The real module file, loaded as the host loads it, with the records read
// by address and byte offset, as the host reads them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "panel/module_runtime.h"
#include "panel/record_layout.h"

namespace vexmoor::test {

using panel::Address;
namespace L = panel::layout;

// The module file, from VEXMOOR_MODULE.
std::string module_path();

class LoadedModule {
public:
    explicit LoadedModule(const panel::LoadOptions& options = {});

    panel::ModuleRuntime& rt() const { return *runtime_; }
    Address import_table() const;
    Address linkage() const;
    // The gauge headers of the gauge list, in order.
    std::vector<Address> gauges() const;
    Address gauge(const std::string& name) const;
    std::string gauge_name(Address header) const;
    // The elements of a gauge's single chain, in drawing order.
    std::vector<Address> chain(Address header) const;

    std::uint32_t u32(Address at) const { return runtime_->read_u32(at); }
    std::int32_t i32(Address at) const { return runtime_->read_i32(at); }
    double f64(Address at) const { return runtime_->read_f64(at); }

private:
    std::unique_ptr<panel::ModuleRuntime> runtime_;
};

}  // namespace vexmoor::test
