// The vexpanel command line: one command, its module file and arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vexmoor::vexpanel {

struct Options {
    std::string command;  // list, inspect, render, panel, click
    std::string module;
    std::string gauge;                                     // inspect (optional), render, click
    std::vector<std::pair<std::uint32_t, double>> values;  // --set TOKEN=VALUE
    std::vector<std::int32_t> failures;                    // --fail KEY
    std::optional<int> updates;                            // --updates N
    std::string output;                                    // -o FILE.png
    std::int32_t x = 0, y = 0;                             // click
    bool help = false;
};

// Parses the arguments after the program name. A bad argument is a
// UsageError naming it.
Options parse_options(const std::vector<std::string>& args);

// The help text of one command, or of the whole program for "".
std::string usage(const std::string& command);

struct UsageError {
    std::string message;
};

}  // namespace vexmoor::vexpanel
