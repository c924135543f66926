// vexpanel: the reference panel host as a command. See `vexpanel --help`.
#include <exception>
#include <iostream>

#include "commands.h"

int main(int argc, char** argv) {
    using namespace vexmoor::vexpanel;
    const std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    try {
        options = parse_options(args);
    } catch (const UsageError& e) {
        std::cerr << "vexpanel: " << e.message << "\n\n" << usage(args.empty() ? "" : args[0]);
        return 2;
    }
    if (options.help) {
        std::cout << usage(options.command);
        return 0;
    }
    try {
        return run(options, std::cout);
    } catch (const std::exception& e) {
        // panel::Error names the file, gauge or argument at fault.
        std::cerr << "vexpanel: " << e.what() << "\n";
        return 1;
    } catch (...) {
        std::cerr << "vexpanel: " << options.command << " on " << options.module << " failed for an unknown reason\n";
        return 1;
    }
}
