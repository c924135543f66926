// Running the built vexpanel (VEXPANEL) as a separate process, on the real
// module (VEXMOOR_MODULE) or a fixture (NAME.gau in VEXMOOR_FIXTURES), and
// a scratch directory for the files it writes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "panel/rgba_image.h"

namespace vexmoor::test {

struct CommandResult {
    int exit_status = -1;  // -1 when a signal ended it
    int signal = 0;
    std::string out;
    std::string err;
};

// Runs vexpanel with these arguments, no standard input.
CommandResult run_vexpanel(const std::vector<std::string>& args);

std::string module_path();
std::string fixture_path(const std::string& name);

// A fresh directory, removed with the object.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The lines of a command's output.
std::vector<std::string> lines_of(const std::string& text);

// The number of pixels in which two pictures of one size differ.
int differing_pixels(const panel::RgbaImage& a, const panel::RgbaImage& b);

}  // namespace vexmoor::test
