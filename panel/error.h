// What the panel host reports when a module file, a record or an argument is
// not what it must be: one message that names the thing and what is wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace vexmoor::panel {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vexmoor::panel
