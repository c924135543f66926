// vexpanel: the reference panel host as a command. See `vexpanel --help`.
#include <iostream>

#include "commands.h"
#include "panel/error.h"

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
    } catch (const vexmoor::panel::Error& e) {
        std::cerr << "vexpanel: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "vexpanel: " << e.what() << "\n";
        return 1;
    }
}
