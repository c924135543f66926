#include "loaded_module.h"

#include <cstdlib>
#include <stdexcept>

namespace vexmoor::test {

std::string module_path() {
    const char* path = std::getenv("VEXMOOR_MODULE");
    if (path == nullptr || *path == '\0') throw std::runtime_error("VEXMOOR_MODULE is not set");
    return path;
}

LoadedModule::LoadedModule(const panel::LoadOptions& options)
    : runtime_(panel::load_module(module_path(), options)) {}

Address LoadedModule::import_table() const { return runtime_->export_address("ImportTable"); }
Address LoadedModule::linkage() const { return runtime_->export_address("Linkage"); }

std::vector<Address> LoadedModule::gauges() const {
    std::vector<Address> list;
    for (Address at = linkage() + L::linkage::kGauges; u32(at) != 0 && list.size() < 64; at += 4) {
        list.push_back(u32(at));
    }
    return list;
}

std::string LoadedModule::gauge_name(Address header) const {
    return runtime_->read_string(u32(header + L::gauge::kName), 64, "gauge name");
}

Address LoadedModule::gauge(const std::string& name) const {
    for (Address header : gauges()) {
        if (gauge_name(header) == name) return header;
    }
    throw std::runtime_error("the module has no gauge named " + name);
}

std::vector<Address> LoadedModule::chain(Address header) const {
    std::vector<Address> elements;
    for (Address list = u32(header + L::gauge::kElements); list != 0 && elements.size() < 64;) {
        const Address element = u32(list);
        if (element == 0) break;
        elements.push_back(element);
        list = u32(element + L::element::kChildren);
    }
    return elements;
}

}  // namespace vexmoor::test
