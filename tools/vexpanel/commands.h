// The vexpanel commands, each writing its report to `out`. A fault in the
// module or an argument is an Error naming it.
#pragma once

#include <ostream>

#include "options.h"

namespace vexmoor::vexpanel {

// Runs the command that the options name; returns the exit status.
int run(const Options& options, std::ostream& out);

}  // namespace vexmoor::vexpanel
